#pragma once

#include "../GuiTestSupport.h"

#include <string>

namespace pelinor::test {

// The fixture of the food and dish screen tests: the library's tables start empty.
class LibraryScreensTest : public GuiTest
{
protected:
    LibraryScreensTest()
        : GuiTest(DataFolderContent::TablesOnly)
    {
    }

    // Two top-level food categories with one second-level category each.
    static std::string foodCategoryRows()
    {
        return "INSERT INTO FoodType VALUES(1,0,'谷类');"
               "INSERT INTO FoodType VALUES(2,0,'蔬菜类');"
               "INSERT INTO FoodType VALUES(10,1,'米类');"
               "INSERT INTO FoodType VALUES(20,2,'叶菜');";
    }
};

} // namespace pelinor::test
