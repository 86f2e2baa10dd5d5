#include "gui/records/RecordsTour.h"

#include "core/records/Archives.h"
#include "gui/records/CBjEditDlg.h"
#include "gui/records/CBjSetDlg.h"
#include "gui/records/CSelPerSonDlg.h"
#include "gui/records/CYydaAddDlg.h"
#include "gui/records/CYydaDisplayDlg.h"
#include "gui/shell/CLumarooDlg.h"
#include "gui/shell/TourSteps.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"

#include <QComboBox>

namespace pelinor {

namespace {

// A child worth looking at: the first one with clinical signs, else the first one.
QString sampleArchId()
{
    std::vector<ArchiveRecord> archives;
    runDatabaseWork([&] { archives = loadArchives(); });
    for (const auto& archive : archives) {
        if (!archive.lcbx.empty()) {
            return qs(archive.archId);
        }
    }
    return archives.empty() ? QString() : qs(archives.front().archId);
}

} // namespace

void tourArchiveEntry(TourContext& tour)
{
    CLumarooDlg& window = tour.mainWindow();
    if (auto* form = window.pageAs<CYydaAddDlg>(PageId::ArchiveEntry)) {
        form->loadArchive(sampleArchId());
    }
    window.showPage(PageId::ArchiveEntry);
    tour.save(&window, QStringLiteral("page-11-archive-entry"));
    if (auto* form = window.pageAs<CYydaAddDlg>(PageId::ArchiveEntry)) {
        form->startNew();
    }
}

void tourArchiveDisplay(TourContext& tour)
{
    CLumarooDlg& window = tour.mainWindow();
    if (auto* display = window.pageAs<CYydaDisplayDlg>(PageId::ArchiveDisplay)) {
        display->showArchive(sampleArchId());
    }
    window.showPage(PageId::ArchiveDisplay);
    tour.save(&window, QStringLiteral("page-12-archive-display"));
}

void tourClassMove(TourContext& tour)
{
    CLumarooDlg& window = tour.mainWindow();
    auto* classes = window.pageAs<CBjSetDlg>(PageId::Classes);
    if (classes && classes->sourceCombo()->count() > 1) {
        classes->refresh();
        classes->sourceCombo()->setCurrentIndex(0);
        classes->chooseSourceClass();
        for (int i = 0; i < 2 && classes->sourceChildren()->rowCount() > 0; ++i) {
            classes->sourceChildren()->selectRow(0);
            classes->moveSelectedAcross();
        }
        classes->targetCombo()->setCurrentIndex(1);
        classes->classList()->selectRow(0);
    }
    window.showPage(PageId::Classes);
    tour.save(&window, QStringLiteral("info-classes"));
    if (classes) {
        classes->refresh();
    }
}

void tourClassEditDialog(TourContext& tour)
{
    CBjEditDlg dialog(QStringLiteral("小班"), &tour.mainWindow());
    tour.save(&dialog, QStringLiteral("dialog-class-edit"));
}

void tourPersonPicker(TourContext& tour)
{
    CSelPerSonDlg dialog(&tour.mainWindow());
    if (dialog.classCombo()->count() > 0) {
        dialog.classCombo()->setCurrentIndex(0);
        dialog.nameCombo()->setCurrentIndex(dialog.nameCombo()->count() > 0 ? 0 : -1);
    }
    tour.save(&dialog, QStringLiteral("dialog-person-picker"));
}

} // namespace pelinor
