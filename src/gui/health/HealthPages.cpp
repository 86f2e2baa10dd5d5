// The pages of the children's health: examinations, immunisation, vaccines and attendance.
#include "gui/navigation/PageRegistry.h"
#include "gui/widgets/CNoticePage.h"

namespace pelinor {

namespace {

// clang-format off
const PageRegistrar healthPages({
    // Notice pages until the screens are built: CHealthDlg, CKqglDlg, CWsmyDlg, CMyymDlg.
    { .id = PageId::Health, .title = "健康体检", .className = "CHealthDlg", .hub = PageId::InfoHub,
      .permission = "C21", .picture = ":/skin/sym-health.svg", .stripPosition = 0, .homeTile = 6,
      .refresh = Refresh::FromHome | Refresh::FromHub,
      .create = [] { return new CNoticePage("健康体检"); },
      .tour = { { "info-health" } } },
    { .id = PageId::Attendance, .title = "考勤管理", .className = "CKqglDlg", .hub = PageId::InfoHub,
      .permission = "C23", .picture = ":/skin/sym-attendance.svg", .stripPosition = 3, .homeTile = 4,
      .refresh = Refresh::FromHome | Refresh::FromHub,
      .create = [] { return new CNoticePage("考勤管理"); },
      .tour = { { "info-attendance" } } },
    { .id = PageId::Immunisation, .title = "卫生免疫", .className = "CWsmyDlg", .hub = PageId::InfoHub,
      .permission = "C22", .picture = ":/skin/sym-vaccine.svg", .stripPosition = 1, .homeTile = 7,
      .refresh = Refresh::FromHome | Refresh::FromHub,
      .create = [] { return new CNoticePage("卫生免疫"); },
      .tour = { { "info-immunisation" } } },
    // The vaccine list has no button of its own: the immunisation page opens it.
    { .id = PageId::VaccineList, .title = "疫苗管理", .className = "CMyymDlg", .hub = PageId::InfoHub,
      .create = [] { return new CNoticePage("疫苗管理"); },
      .tour = { { "info-vaccines" } } },
});
// clang-format on

} // namespace

} // namespace pelinor
