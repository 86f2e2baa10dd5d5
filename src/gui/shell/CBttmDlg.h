#pragma once

#include <QWidget>

class QLabel;

namespace pelinor {

// The bottom bar: the copyright line on the left, who is logged in, the service line on the right.
class CBttmDlg : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kHeight = 30;

    explicit CBttmDlg(QWidget* parent = nullptr);
    void updateUser();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_user;
};

} // namespace pelinor
