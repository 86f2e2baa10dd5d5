#include "gui/app/StartupTrace.h"

#include "GuiTestSupport.h"
#include "gui/admin/CLoginDlg.h"
#include "gui/app/CLumarooApp.h"
#include "gui/session/Session.h"

#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <cstdlib>

namespace pelinor {

namespace {

class StartupTraceTest : public test::GuiTest
{
protected:
    ~StartupTraceTest() override
    {
        for (const char* name :
            { "PELINOR_TRACE_STARTUP", "PELINOR_TRACE_STARTUP_LOGIN", "PELINOR_TRACE_STARTUP_EXIT" }) {
            unsetenv(name);
        }
    }
};

// One test: the trace follows only the first login and main window of a process.
TEST_F(StartupTraceTest, TheTraceLogsInThroughTheLoginAndTimesBothSteps)
{
    setenv("PELINOR_TRACE_STARTUP_LOGIN", "admin:vanto", 1);
    setenv("PELINOR_TRACE_STARTUP_EXIT", "1", 1);
    {
        // Without PELINOR_TRACE_STARTUP the other two are ignored: the login waits for a person.
        CLumarooApp app;
        QString typed = "(login never shown)";
        test::whenModal<CLoginDlg>([&](CLoginDlg* login) {
            QTest::qWait(50);
            typed = login->userNameEdit()->text();
            login->reject();
        });
        testing::internal::CaptureStderr();
        EXPECT_EQ(app.run(), 0);
        EXPECT_EQ(testing::internal::GetCapturedStderr().find("pelinor startup"), std::string::npos);
        EXPECT_EQ(typed, "");
        EXPECT_FALSE(Session::currentUser().loggedIn());
    }

    setenv("PELINOR_TRACE_STARTUP", "1", 1);
    CLumarooApp app;
    testing::internal::CaptureStderr();
    EXPECT_EQ(app.run(), 0);
    const std::string trace = testing::internal::GetCapturedStderr();
    double loginShown = -1.0;
    double loginCpu = -1.0;
    double mainShown = -1.0;
    double mainCpu = -1.0;
    long long stamp = 0;
    const auto login = trace.find("pelinor startup: start to login shown");
    const auto main = trace.find("pelinor startup: login accepted to main window shown");
    ASSERT_NE(login, std::string::npos) << trace;
    ASSERT_NE(main, std::string::npos) << trace;
    EXPECT_EQ(std::sscanf(trace.c_str() + login,
                  "pelinor startup: start to login shown %lf ms (cpu %lf ms) [boottime %lld ns]", &loginShown,
                  &loginCpu, &stamp),
        3);
    EXPECT_EQ(std::sscanf(trace.c_str() + main,
                  "pelinor startup: login accepted to main window shown %lf ms (cpu %lf ms)", &mainShown, &mainCpu),
        2);
    EXPECT_GT(loginShown, 0.0);
    EXPECT_GT(mainShown, 0.0);
    // Processor time is spent within the interval: never more than two cores' worth of it.
    EXPECT_GT(loginCpu, 0.0);
    EXPECT_GT(mainCpu, 0.0);
    EXPECT_LT(mainCpu, 2 * mainShown + 1.0);
    EXPECT_GT(stamp, 0);
    // The account went through the real login.
    EXPECT_EQ(Session::currentUser().userName, "admin");
    EXPECT_EQ(Session::currentUser().displayName, "系统管理员");
    EXPECT_TRUE(m_prompts->texts().isEmpty());
}

} // namespace

} // namespace pelinor
