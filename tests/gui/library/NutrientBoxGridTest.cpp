#include "gui/library/NutrientBoxGrid.h"

#include <QLineEdit>
#include <gtest/gtest.h>

using namespace pelinor;

namespace {

// The dish dialogs show their single-precision sums as "%.2f" does: the exact binary value
// decides, so a half exactly between two hundredths goes to the even-looking lower one where
// printf puts it. Expected texts from python3: '%.2f' % struct.unpack('f', struct.pack('f', v))[0].
TEST(NutrientBoxGridTest, SumsShowTwoDecimalsWithPrintfRounding)
{
    const struct
    {
        float sum;
        const char* text;
    } cases[] = {
        { 19.125f, "19.12" },
        { 0.125f, "0.12" },
        { 2.675f, "2.67" },
        { 0.005f, "0.00" },
        { 1.5f, "1.50" },
        { 36.3f, "36.30" },
    };
    NutrientBoxGrid grid(false, 4);
    NutrientSums sums {};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        sums[i] = cases[i].sum;
    }
    grid.setSums(sums);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(grid.box(i)->text().toStdString(), cases[i].text) << cases[i].sum;
    }
    EXPECT_EQ(grid.box(std::size(cases))->text().toStdString(), "0.00");
}

} // namespace
