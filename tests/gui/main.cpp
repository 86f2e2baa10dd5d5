// The GUI tests: offscreen, so they run without a display (and test discovery does too).
#include "gui/app/GuiSetup.h"

#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <utility>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    pelinor::setUpGui(application);
    ::testing::InitGoogleTest(&argc, argv);
    // A longer or another random walk: --walk-seed=N --walk-steps=N (read by the walk test).
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        for (const auto& [option, variable] : { std::pair { "--walk-seed=", "PELINOR_WALK_SEED" },
                 std::pair { "--walk-steps=", "PELINOR_WALK_STEPS" } }) {
            if (argument.starts_with(option)) {
                setenv(variable, argument.substr(std::string(option).size()).c_str(), 1);
            }
        }
    }
    return RUN_ALL_TESTS();
}
