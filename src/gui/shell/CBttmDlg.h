#pragma once

#include <QWidget>

class QLabel;

namespace pelinor {

// The bottom bar: the copyright line on the left, who is logged in, the service line on the right;
// the copyright holder and the service line come from the site's settings file.
class CBttmDlg : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kHeight = 30;

    explicit CBttmDlg(QWidget* parent = nullptr);
    void updateUser();

    // "pelinor.ini" beside the data folder: its [BottomBar] group names the copyright holder
    // (CopyrightHolder) and the service line (ServiceLine).
    static QString siteSettingsPath();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_user;
};

} // namespace pelinor
