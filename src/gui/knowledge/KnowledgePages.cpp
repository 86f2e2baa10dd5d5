// The pages of the nutrient knowledge.
#include "gui/navigation/PageRegistry.h"
#include "gui/widgets/CNoticePage.h"

namespace pelinor {

namespace {

// clang-format off
const PageRegistrar knowledgePages({
    // The nutrient knowledge page (CYysZsDlg), opened from the home page without a permission: a
    // notice page until its screen is built.
    { .id = PageId::Knowledge, .title = "营养知识", .className = "CYysZsDlg", .hub = PageId::CenterHub,
      .picture = ":/skin/sym-book.svg", .homeTile = 3,
      .create = [] { return new CNoticePage("营养知识"); },
      .tour = { { "knowledge" } } },
});
// clang-format on

} // namespace

} // namespace pelinor
