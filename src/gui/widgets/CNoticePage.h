#pragma once

#include "gui/widgets/CSkinPage.h"

namespace pelinor {

// Stands in for a module page that is not part of the program yet.
class CNoticePage : public CSkinPage
{
    Q_OBJECT

public:
    CNoticePage(const QString& title, QWidget* parent = nullptr);

    QString title() const;

private:
    QString m_title;
};

} // namespace pelinor
