// The report tests: an offscreen application, so fonts are there without a display.
#include "reports/ReportApplication.h"

#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    pelinor::ReportApplication application;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
