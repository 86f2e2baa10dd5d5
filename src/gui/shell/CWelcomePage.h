#pragma once

#include "gui/widgets/CSkinPage.h"

namespace pelinor {

// The welcome picture a hub shows before one of its modules is chosen.
class CWelcomePage : public CSkinPage
{
    Q_OBJECT

public:
    CWelcomePage(const QString& picture, const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_picture;
    QString m_caption;
};

} // namespace pelinor
