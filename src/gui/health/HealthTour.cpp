#include "gui/health/HealthTour.h"

#include "core/health/Examinations.h"
#include "core/health/Vaccinations.h"
#include "core/health/Vaccines.h"
#include "gui/health/CDjzViewDlg.h"
#include "gui/health/CHealthDlg.h"
#include "gui/health/CKqXxxsDlg.h"
#include "gui/health/CKqglDlg.h"
#include "gui/health/CKqxzDlg.h"
#include "gui/health/CMyEditDlg.h"
#include "gui/health/CMyLoginDlg.h"
#include "gui/health/CMyViewCkDlg.h"
#include "gui/health/CMyymAddDlg.h"
#include "gui/health/CMyymDlg.h"
#include "gui/health/CMyymEditDlg.h"
#include "gui/health/CTjChaKanDlg.h"
#include "gui/health/CTjLoginDlg.h"
#include "gui/health/CTjViewDlg.h"
#include "gui/health/CWsmyDlg.h"
#include "gui/health/HealthUi.h"
#include "gui/navigation/Navigator.h"
#include "gui/navigation/TourContext.h"
#include "gui/print/CPreParentDlg.h"
#include "gui/records/CSelPerSonDlg.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"
#include "reports/AttendanceReport.h"
#include "reports/DueVaccinationReport.h"
#include "reports/HealthExaminationReport.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>

namespace pelinor {

namespace {

// The class the pictures show: the middle class has children with records of every kind.
const char* const kTourClass = "中班";
const char* const kTourVaccine = "流脑疫苗";

void choose(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text);
    if (index >= 0) {
        combo->setCurrentIndex(index);
    }
}

CHealthDlg* healthPage()
{
    return navigator().pageAs<CHealthDlg>(PageId::Health);
}

// The examination list of the tour's class over the autumn check.
CTjViewDlg* showExaminations()
{
    auto* health = healthPage();
    if (!health) {
        return nullptr;
    }
    health->refresh();
    auto* list = health->listPage();
    choose(list->classCombo(), QString::fromUtf8(kTourClass));
    list->fromDate()->setDate(QDate(2026, 11, 1));
    list->query();
    return list;
}

std::optional<int> firstRowId(CListCtrlCl* list)
{
    if (!list || list->rowCount() == 0) {
        return std::nullopt;
    }
    list->selectRow(0);
    return recordIdAt(list, 0);
}

CWsmyDlg* showVaccinations()
{
    auto* page = navigator().pageAs<CWsmyDlg>(PageId::Immunisation);
    if (!page) {
        return nullptr;
    }
    page->refresh();
    choose(page->classCombo(), QString::fromUtf8(kTourClass));
    choose(page->vaccineCombo(), QString::fromUtf8(kTourVaccine));
    page->refresh();
    return page;
}

std::optional<Vaccination> firstVaccination()
{
    auto* page = showVaccinations();
    const auto id = page ? firstRowId(page->list()) : std::nullopt;
    if (!id) {
        return std::nullopt;
    }
    const auto vaccination = runDatabaseWork([&] { return loadVaccination(*id); });
    return vaccination ? *vaccination : std::nullopt;
}

void savePreview(TourContext& tour, const Report& report, const QString& name)
{
    CPreParentDlg preview(report, &tour.mainWindow());
    preview.resize(1000, 820);
    tour.save(&preview, name);
}

} // namespace

void tourHealthList(TourContext& tour)
{
    showExaminations();
    tour.savePage(PageId::Health, QStringLiteral("info-health"));
}

void tourHealthForm(TourContext& tour)
{
    auto* list = showExaminations();
    auto* health = healthPage();
    const auto id = firstRowId(list ? list->list() : nullptr);
    if (id) {
        emit list->editRequested(*id);
    }
    tour.savePage(PageId::Health, QStringLiteral("info-health-form"));
    if (health) {
        health->refresh();
    }
}

void tourHealthReport(TourContext& tour)
{
    auto* list = showExaminations();
    const auto id = firstRowId(list ? list->list() : nullptr);
    if (id) {
        emit list->viewRequested(*id);
    }
    tour.savePage(PageId::Health, QStringLiteral("info-health-report"));
    if (auto* health = healthPage()) {
        health->refresh();
    }
}

void tourHealthReportPreview(TourContext& tour)
{
    auto* list = showExaminations();
    const auto id = firstRowId(list ? list->list() : nullptr);
    const auto stored = id ? runDatabaseWork([&] { return loadExamination(*id); }) : std::nullopt;
    // Without examinations in the folder: the empty form.
    const Examination examination = stored && *stored ? **stored : Examination {};
    savePreview(tour, makeHealthExaminationReport(examination), QStringLiteral("dialog-health-report-preview"));
}

void tourHealthPicker(TourContext& tour)
{
    CSelPerSonDlg dialog(&tour.mainWindow());
    choose(dialog.classCombo(), QString::fromUtf8(kTourClass));
    if (dialog.nameCombo()->count() > 0) {
        dialog.nameCombo()->setCurrentIndex(0);
    }
    tour.save(&dialog, QStringLiteral("dialog-health-person-picker"));
}

void tourAttendance(TourContext& tour)
{
    if (auto* page = navigator().pageAs<CKqglDlg>(PageId::Attendance)) {
        choose(page->classCombo(), QString::fromUtf8(kTourClass));
        page->refresh();
    }
    tour.savePage(PageId::Attendance, QStringLiteral("info-attendance"));
}

void tourAttendanceEntry(TourContext& tour)
{
    CKqxzDlg dialog(&tour.mainWindow());
    choose(dialog.classCombo(), QString::fromUtf8(kTourClass));
    if (dialog.nameCombo()->count() > 2) {
        dialog.nameCombo()->setCurrentIndex(2);
    }
    dialog.remarkEdit()->setText(QStringLiteral("发烧，家长来电请假"));
    tour.save(&dialog, QStringLiteral("dialog-attendance-entry"));
}

void tourAttendanceDetail(TourContext& tour)
{
    auto* page = navigator().pageAs<CKqglDlg>(PageId::Attendance);
    if (!page) {
        return;
    }
    choose(page->classCombo(), QString::fromUtf8(kTourClass));
    page->refresh();
    // The child with the most events.
    std::size_t best = 0;
    int most = -1;
    for (std::size_t i = 0; i < page->counts().size(); ++i) {
        int total = 0;
        for (const int count : page->counts()[i].counts) {
            total += count;
        }
        if (total > most) {
            most = total;
            best = i;
        }
    }
    // Without events in the folder: the dialog with nobody in it.
    const AttendanceCount child = page->counts().empty() ? AttendanceCount {} : page->counts()[best];
    CKqXxxsDlg dialog(page->className(), qs(child.name), qs(child.archId), page->scope(), &tour.mainWindow());
    tour.save(&dialog, QStringLiteral("dialog-attendance-detail"));
}

void tourAttendancePreview(TourContext& tour)
{
    if (auto* page = navigator().pageAs<CKqglDlg>(PageId::Attendance)) {
        choose(page->classCombo(), QString::fromUtf8(kTourClass));
        page->refresh();
        savePreview(tour, makeAttendanceReport(page->counts(), page->className(), page->scope()),
            QStringLiteral("dialog-attendance-preview"));
    }
}

void tourImmunisation(TourContext& tour)
{
    showVaccinations();
    tour.savePage(PageId::Immunisation, QStringLiteral("info-immunisation"));
}

void tourVaccinationEntry(TourContext& tour)
{
    CMyLoginDlg dialog(QString::fromUtf8(kTourClass), QString::fromUtf8(kTourVaccine), &tour.mainWindow());
    if (dialog.nameCombo()->count() > 0) {
        dialog.nameCombo()->setCurrentIndex(0);
    }
    dialog.placeEdit()->setText(QStringLiteral("城东区社区卫生服务中心"));
    dialog.remarkEdit()->setText(QStringLiteral("A群C群第1剂"));
    tour.save(&dialog, QStringLiteral("dialog-vaccination-entry"));
}

void tourVaccinationEdit(TourContext& tour)
{
    CMyEditDlg dialog(firstVaccination().value_or(Vaccination {}), &tour.mainWindow());
    tour.save(&dialog, QStringLiteral("dialog-vaccination-edit"));
}

void tourVaccinationView(TourContext& tour)
{
    CMyViewCkDlg dialog(firstVaccination().value_or(Vaccination {}), &tour.mainWindow());
    tour.save(&dialog, QStringLiteral("dialog-vaccination-view"));
}

void tourDueVaccinations(TourContext& tour)
{
    CDjzViewDlg dialog(QString::fromUtf8(kTourClass), &tour.mainWindow());
    tour.save(&dialog, QStringLiteral("dialog-due-vaccinations"));
}

void tourDueVaccinationsPreview(TourContext& tour)
{
    CDjzViewDlg dialog(QString::fromUtf8(kTourClass), &tour.mainWindow());
    savePreview(tour,
        makeDueVaccinationReport(
            dialog.due(), dialog.className(), programToday().toString(QStringLiteral("yyyy-MM-dd"))),
        QStringLiteral("dialog-due-vaccinations-preview"));
}

void tourVaccines(TourContext& tour)
{
    if (auto* page = navigator().pageAs<CMyymDlg>(PageId::VaccineList)) {
        page->refresh();
    }
    tour.savePage(PageId::VaccineList, QStringLiteral("info-vaccines"));
}

void tourVaccineAdd(TourContext& tour)
{
    CMyymAddDlg dialog(&tour.mainWindow());
    tour.save(&dialog, QStringLiteral("dialog-vaccine-add"));
}

void tourVaccineEdit(TourContext& tour)
{
    const auto vaccines = runDatabaseWork([] { return loadVaccines(); });
    CMyymEditDlg dialog(vaccines && !vaccines->empty() ? vaccines->front() : Vaccine {}, &tour.mainWindow());
    tour.save(&dialog, QStringLiteral("dialog-vaccine-edit"));
}

} // namespace pelinor
