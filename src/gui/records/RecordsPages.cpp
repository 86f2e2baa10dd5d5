// The pages of the class and archive screens.
#include "gui/navigation/PageRegistry.h"
#include "gui/records/CBjPerSonDlg.h"
#include "gui/records/CBjSetDlg.h"
#include "gui/records/CYydaAddDlg.h"
#include "gui/records/CYydaCjDlg.h"
#include "gui/records/CYydaDisplayDlg.h"
#include "gui/records/RecordsTour.h"

namespace pelinor {

namespace {

// clang-format off
const PageRegistrar recordsPages({
    { .id = PageId::ArchiveList, .title = "营养档案", .className = "CYydaCjDlg", .hub = PageId::ArchiveList,
      .refresh = Refresh::FromNavigationBar,
      .create = [] { return new CYydaCjDlg; },
      .tour = { { "page-00-archives" } } },
    { .id = PageId::ArchiveEntry, .title = "档案录入", .className = "CYydaAddDlg", .hub = PageId::ArchiveList,
      .create = [] { return new CYydaAddDlg; },
      .tour = { { "page-11-archive-entry", tourArchiveEntry } } },
    { .id = PageId::ArchiveDisplay, .title = "档案显示", .className = "CYydaDisplayDlg", .hub = PageId::ArchiveList,
      .create = [] { return new CYydaDisplayDlg; },
      .tour = { { "page-12-archive-display", tourArchiveDisplay } } },
    { .id = PageId::Classes, .title = "班级管理", .className = "CBjSetDlg", .hub = PageId::InfoHub,
      .permission = "C24", .picture = ":/skin/sym-class.svg", .stripPosition = 2, .homeTile = 5,
      .refresh = Refresh::FromHub,
      .create = [] { return new CBjSetDlg; },
      .tour = {
          { "info-classes", tourClassMove },
          { "dialog-class-edit", tourClassEditDialog },
          { "dialog-person-picker", tourPersonPicker },
      } },
    { .id = PageId::ClassMembers, .title = "班级成员", .className = "CBjPerSonDlg", .hub = PageId::InfoHub,
      .create = [] { return new CBjPerSonDlg; },
      .tour = { { "info-class-members" } } },
});
// clang-format on

} // namespace

} // namespace pelinor
