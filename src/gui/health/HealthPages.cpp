// The pages of the children's health: examinations, immunisation, vaccines and attendance.
#include "gui/health/CHealthDlg.h"
#include "gui/health/CKqglDlg.h"
#include "gui/health/CMyymDlg.h"
#include "gui/health/CWsmyDlg.h"
#include "gui/health/HealthTour.h"
#include "gui/navigation/PageRegistry.h"

namespace pelinor {

namespace {

// clang-format off
const PageRegistrar healthPages({
    { .id = PageId::Health, .title = "健康体检", .className = "CHealthDlg", .hub = PageId::InfoHub,
      .permission = "C21", .picture = ":/skin/sym-health.svg", .stripPosition = 0, .homeTile = 6,
      .refresh = Refresh::FromHome | Refresh::FromHub,
      .create = [] { return new CHealthDlg; },
      .tour = {
          { "info-health", tourHealthList },
          { "dialog-health-person-picker", tourHealthPicker },
          { "info-health-form", tourHealthForm },
          { "info-health-report", tourHealthReport },
          { "dialog-health-report-preview", tourHealthReportPreview },
      } },
    { .id = PageId::Attendance, .title = "考勤管理", .className = "CKqglDlg", .hub = PageId::InfoHub,
      .permission = "C23", .picture = ":/skin/sym-attendance.svg", .stripPosition = 3, .homeTile = 4,
      .refresh = Refresh::FromHome | Refresh::FromHub,
      .create = [] { return new CKqglDlg; },
      .tour = {
          { "info-attendance", tourAttendance },
          { "dialog-attendance-entry", tourAttendanceEntry },
          { "dialog-attendance-detail", tourAttendanceDetail },
          { "dialog-attendance-preview", tourAttendancePreview },
      } },
    { .id = PageId::Immunisation, .title = "卫生免疫", .className = "CWsmyDlg", .hub = PageId::InfoHub,
      .permission = "C22", .picture = ":/skin/sym-vaccine.svg", .stripPosition = 1, .homeTile = 7,
      .refresh = Refresh::FromHome | Refresh::FromHub,
      .create = [] { return new CWsmyDlg; },
      .tour = {
          { "info-immunisation", tourImmunisation },
          { "dialog-vaccination-entry", tourVaccinationEntry },
          { "dialog-vaccination-edit", tourVaccinationEdit },
          { "dialog-vaccination-view", tourVaccinationView },
          { "dialog-due-vaccinations", tourDueVaccinations },
          { "dialog-due-vaccinations-preview", tourDueVaccinationsPreview },
      } },
    // The vaccine list has no button of its own: the immunisation page opens it.
    { .id = PageId::VaccineList, .title = "疫苗管理", .className = "CMyymDlg", .hub = PageId::InfoHub,
      .create = [] { return new CMyymDlg; },
      .tour = {
          { "info-vaccines", tourVaccines },
          { "dialog-vaccine-add", tourVaccineAdd },
          { "dialog-vaccine-edit", tourVaccineEdit },
      } },
});
// clang-format on

} // namespace

} // namespace pelinor
