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

// A food opened and saved unchanged keeps its numbers: the boxes show each stored value with the
// decimals it has (the catalogue has three at most) and read back the same single-precision value.
TEST(NutrientBoxGridTest, StoredValuesShowTheirDecimalsAndReadBackUnchanged)
{
    const struct
    {
        double stored;
        const char* text;
    } cases[] = {
        { 0.078, "0.078" },
        { 23.0, "23" },
        { 1234.567, "1234.567" },
        { 2.03, "2.03" },
        { 0.1, "0.1" },
        { 3283.0, "3283" },
        { 0.0, "0" },
        { 99999.125, "99999.125" },
    };
    NutrientBoxGrid grid(true, 4);
    NutrientVector values;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        values[i] = cases[i].stored;
    }
    grid.setValues(values);
    const NutrientVector read = grid.values();
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(grid.box(i)->text().toStdString(), cases[i].text) << cases[i].stored;
        EXPECT_EQ(static_cast<float>(read[i]), static_cast<float>(cases[i].stored)) << cases[i].stored;
    }
}

} // namespace
