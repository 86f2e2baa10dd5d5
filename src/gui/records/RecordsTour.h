#pragma once

namespace pelinor {

class TourContext;

// Tour pictures of the class and archive screens with real data in them.
void tourArchiveEntry(TourContext& tour); // the form with a child loaded
void tourArchiveDisplay(TourContext& tour); // a child's display page
void tourClassMove(TourContext& tour); // the class page in the middle of a move
void tourClassEditDialog(TourContext& tour); // renaming a class
void tourPersonPicker(TourContext& tour); // the person picker with a child chosen

} // namespace pelinor
