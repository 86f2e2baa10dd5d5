// The pages of the nutrient knowledge.
#include "gui/knowledge/CYysZsDlg.h"
#include "gui/navigation/PageRegistry.h"

namespace pelinor {

namespace {

// clang-format off
const PageRegistrar knowledgePages({
    // The nutrient knowledge page, opened from the home page without a permission.
    { .id = PageId::Knowledge, .title = "营养知识", .className = "CYysZsDlg", .hub = PageId::CenterHub,
      .picture = ":/skin/sym-book.svg", .homeTile = 3,
      .create = [] { return new CYysZsDlg; },
      .tour = { { "knowledge" } } },
});
// clang-format on

} // namespace

} // namespace pelinor
