#pragma once

#include <functional>

namespace pelinor {

class TourContext;

// The tour's pictures of the analysis: each tab with the folder's first plan (in the demonstration
// folder a child's day), and the nutrient evaluation of its second (there a class plan).
std::function<void(TourContext&)> tourAnalysisTab(int tab, const char* name);
void tourClassAnalysis(TourContext& tour);
// A page of the printed report of the folder's first (a child's) or second (a class's) plan, in the
// preview, with the nutritionist's texts filled in for the child's.
std::function<void(TourContext&)> tourAnalysisReport(int plan, int page, const char* name);

} // namespace pelinor
