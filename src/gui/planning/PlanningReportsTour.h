#pragma once

namespace pelinor {

class TourContext;

// The tour's pictures of the menu view and the purchase list, with a plan of the folder shown and
// the previews of their printouts.
void tourMenuView(TourContext& tour);
void tourMenuPreview(TourContext& tour);
void tourSetMealName(TourContext& tour);
void tourPurchaseList(TourContext& tour);
void tourPurchasePreview(TourContext& tour);
void tourPreviewGoTo(TourContext& tour);

} // namespace pelinor
