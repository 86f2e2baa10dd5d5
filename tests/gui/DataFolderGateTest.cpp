#include "gui/app/DataFolderGate.h"

#include "GuiTestSupport.h"
#include "core/db/CppSQLite3DB.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <fstream>

namespace pelinor {

namespace {

using Answer = DataFolderGate::Answer;

struct BoxSeen
{
    int boxes = 0;
    QString text;
    QStringList buttons;
};

// Answers the message box with the button of the given text (after `beforeClick`), noting what it showed.
void answerBox(BoxSeen& seen, const QString& click, std::function<void()> beforeClick = {})
{
    test::whenModal<QMessageBox>([&seen, click, beforeClick](QMessageBox* box) {
        ++seen.boxes;
        seen.text = box->text();
        QAbstractButton* chosen = nullptr;
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons << button->text();
            if (button->text() == click) {
                chosen = button;
            }
        }
        if (beforeClick) {
            beforeClick();
        }
        if (chosen) {
            chosen->click();
        } else {
            box->reject();
        }
    });
}

class DataFolderGateTest : public test::GuiTest
{
protected:
    std::string path(int id) const
    {
        return databasePathIn(m_folder.path(), id);
    }
};

// A file another program holds: one box names it and offers 重试 and 退出; 重试 after the other
// program let go opens the way, 退出 ends the program.
TEST_F(DataFolderGateTest, ALockOffersToTryAgain)
{
    struct Case
    {
        const char* click;
        bool passes;
    };
    for (const Case c : { Case { "重试", true }, Case { "退出", false } }) {
        SCOPED_TRACE(c.click);
        CppSQLite3DB other;
        other.open(path(CookDb));
        other.execScript("BEGIN EXCLUSIVE");
        BoxSeen seen;
        answerBox(seen, QString::fromUtf8(c.click), [&other] { other.execScript("ROLLBACK"); });
        testing::internal::CaptureStderr();
        const bool passed
            = DataFolderGate::pass(DataFolderCheck::run(m_folder.path(), 100), &DataFolderGate::askWithMessageBox);
        const std::string printed = testing::internal::GetCapturedStderr();

        EXPECT_EQ(passed, c.passes);
        EXPECT_EQ(seen.boxes, 1);
        EXPECT_EQ(seen.buttons, (QStringList { "重试", "退出" }));
        EXPECT_TRUE(seen.text.contains("  cook.dll：正被另一个程序锁定\n")) << seen.text.toStdString();
        // (the offscreen window system may add lines of its own after it)
        EXPECT_TRUE(printed.starts_with("pelinor: " + seen.text.toStdString())) << printed;
    }
}

// Damaged files: one box names every one of them once and offers only 退出; standard error gets
// the same text.
TEST_F(DataFolderGateTest, DamagedFilesGiveOneBoxWithoutRetry)
{
    std::ofstream(path(RecordDb), std::ios::binary | std::ios::trunc) << std::string(8192, '\x5A');
    std::ofstream(path(CookDb), std::ios::binary | std::ios::trunc) << std::string(4096, '\xA5');
    BoxSeen seen;
    answerBox(seen, "重试");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(DataFolderGate::pass(DataFolderCheck::run(m_folder.path()), &DataFolderGate::askWithMessageBox));
    const std::string printed = testing::internal::GetCapturedStderr();

    EXPECT_EQ(seen.boxes, 1);
    EXPECT_EQ(seen.buttons, QStringList { "退出" });
    for (const char* line : { "  cook.dll：不是数据库文件\n", "  Record.dll：不是数据库文件\n" }) {
        EXPECT_EQ(seen.text.count(QString::fromUtf8(line)), 1) << line;
    }
    // (the offscreen window system may add lines of its own after it)
    EXPECT_TRUE(printed.starts_with("pelinor: " + seen.text.toStdString())) << printed;
}

// A sound folder passes without a word; without a box (offscreen) a problem ends the program with
// the text on standard error only.
TEST_F(DataFolderGateTest, ASoundFolderPassesQuietlyAndOffscreenNothingWaitsForAClick)
{
    int asked = 0;
    const DataFolderGate::Asker counting = [&asked](const QString&, bool) {
        ++asked;
        return Answer::Retry;
    };
    testing::internal::CaptureStderr();
    EXPECT_TRUE(DataFolderGate::pass(DataFolderCheck::run(m_folder.path()), counting));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(asked, 0);

    EXPECT_FALSE(DataFolderGate::defaultAsker()); // the tests run offscreen
    std::ofstream(path(PackageDb), std::ios::trunc).close();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(DataFolderGate::pass(DataFolderCheck::run(m_folder.path()), DataFolderGate::defaultAsker()));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("  package.dll：是空文件"), std::string::npos);
    // An answer of 重试 to a problem that waiting cannot mend ends the program too.
    testing::internal::CaptureStderr();
    EXPECT_FALSE(DataFolderGate::pass(DataFolderCheck::run(m_folder.path()), counting));
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(asked, 1);
}

} // namespace

} // namespace pelinor
