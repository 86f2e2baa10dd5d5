#pragma once

namespace pelinor {

class TourContext;

// Tour pictures of the plan screens with real data in them.
void tourPlanSetup(TourContext& tour); // a class plan for a week being set up
void tourPlanEditor(TourContext& tour); // a saved week plan for two classes, at lunch
void tourPlanEditorChild(TourContext& tour); // a child's one-day plan

} // namespace pelinor
