#pragma once

#include <QList>
#include <QWidget>

namespace pelinor {

class CPictureButton;

// The navigation bar: six picture buttons stacked from the top on the sky colour.
class CLeftDlg : public QWidget
{
    Q_OBJECT

public:
    enum Target
    {
        Home = 0,
        Archives,
        Plans,
        Information,
        Recipes,
        Settings,
        TargetCount
    };

    explicit CLeftDlg(QWidget* parent = nullptr);

    CPictureButton* button(Target target) const;
    // Shows which module is open (the pressed image), without navigating.
    void markCurrent(int target);

signals:
    void navigate(int target);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<CPictureButton*> m_buttons;
};

} // namespace pelinor
