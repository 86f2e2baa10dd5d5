#include "gui/records/RecordsTour.h"

#include "core/records/Archives.h"
#include "gui/navigation/Navigator.h"
#include "gui/navigation/TourContext.h"
#include "gui/records/CBjEditDlg.h"
#include "gui/records/CBjSetDlg.h"
#include "gui/records/CSelPerSonDlg.h"
#include "gui/records/CYydaAddDlg.h"
#include "gui/records/CYydaDisplayDlg.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"

#include <QComboBox>

namespace pelinor {

namespace {

// A child worth looking at: the first one with clinical signs, else the first one.
QString sampleArchId()
{
    const auto archives = runDatabaseWork([] { return loadArchives(); }).value_or(std::vector<ArchiveRecord>());
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
    auto* form = navigator().pageAs<CYydaAddDlg>(PageId::ArchiveEntry);
    if (form) {
        form->loadArchive(sampleArchId());
    }
    tour.savePage(PageId::ArchiveEntry, QStringLiteral("page-11-archive-entry"));
    if (form) {
        form->startNew();
    }
}

void tourArchiveDisplay(TourContext& tour)
{
    if (auto* display = navigator().pageAs<CYydaDisplayDlg>(PageId::ArchiveDisplay)) {
        display->showArchive(sampleArchId());
    }
    tour.savePage(PageId::ArchiveDisplay, QStringLiteral("page-12-archive-display"));
}

void tourClassMove(TourContext& tour)
{
    auto* classes = navigator().pageAs<CBjSetDlg>(PageId::Classes);
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
    tour.savePage(PageId::Classes, QStringLiteral("info-classes"));
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
