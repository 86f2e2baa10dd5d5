#pragma once

#include <QWidget>

namespace pelinor {

// The base of every page: painted white all over (the shared white brush), no flicker.
class CSkinPage : public QWidget
{
    Q_OBJECT

public:
    explicit CSkinPage(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace pelinor
