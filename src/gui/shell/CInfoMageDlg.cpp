#include "gui/shell/CInfoMageDlg.h"

namespace pelinor {

CInfoMageDlg::CInfoMageDlg(QWidget* parent)
    : CHubPage(PageId::InfoHub,
        {
            { PageId::Health, QStringLiteral("C21"), QStringLiteral(":/skin/sym-health.svg"), true },
            { PageId::Immunisation, QStringLiteral("C22"), QStringLiteral(":/skin/sym-vaccine.svg"), true },
            { PageId::Classes, QStringLiteral("C24"), QStringLiteral(":/skin/sym-class.svg"), true },
            { PageId::Attendance, QStringLiteral("C23"), QStringLiteral(":/skin/sym-attendance.svg"), true },
            { PageId::PurchaseList, QString(), QStringLiteral(":/skin/sym-basket.svg"), true },
        },
        parent)
{
}

} // namespace pelinor
