#include "core/admin/Backups.h"

#include "AdminTestSupport.h"
#include "BackupTestSupport.h"
#include "core/db/DatabaseConnection.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

using namespace pelinor;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> filesIn(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

int setCount()
{
    return test::sysManagerCount("SJKBFTS");
}

class BackupsTest : public ::testing::Test
{
protected:
    std::string backupFolder() const
    {
        return fs::path(m_folder.path()).parent_path().parent_path().string() + "/BFWJ/";
    }

    test::TempDataFolder m_folder { DataFolderContent::FirstRows };
    test::FixedProgramClock m_clock { DateTime { 2014, 11, 5, 9, 30, 0 } };
};

TEST_F(BackupsTest, ASetIsElevenFilesBesideTheDataFolderNamedByStampAndFile)
{
    const auto made = Backups::backup("nurse");
    ASSERT_TRUE(made.ok()) << made.message();
    EXPECT_EQ(made->id, 1);
    EXPECT_EQ(made->stamp, "20141105093000");
    EXPECT_EQ(Backups::folder(), backupFolder());

    const std::vector<std::string> expected = {
        "20141105093000Evaluation.DLL.bak",
        "20141105093000Record.dll.bak",
        "20141105093000cook.dll.bak",
        "20141105093000gright.dll.bak",
        "20141105093000intakecriterion.dll.bak",
        "20141105093000knowledges.dll.bak",
        "20141105093000nutrient.dll.bak",
        "20141105093000package.dll.bak",
        "20141105093000pantry.dll.bak",
        "20141105093000review.dll.bak",
        "20141105093000sports.dll.bak",
    };
    EXPECT_EQ(filesIn(backupFolder()), expected);
    EXPECT_EQ(test::sysManagerText("SELECT * FROM SJKBFTS", 0) + "|" + test::sysManagerText("SELECT * FROM SJKBFTS", 1)
            + "|" + test::sysManagerText("SELECT * FROM SJKBFTS", 2),
        "1|20141105093000|nurse");

    const auto sets = Backups::list();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].user, "nurse");
    EXPECT_EQ(Backups::shownStamp(sets[0].stamp), "2014年11月05日    09时30分00秒");
}

TEST(BackupNames, StampsFoldersAndShownTimes)
{
    EXPECT_EQ(Backups::stampOf({ 2026, 1, 2, 3, 4, 5 }), "20260102030405");
    EXPECT_EQ(Backups::shownStamp("20260102030405"), "2026年01月02日    03时04分05秒");
    EXPECT_EQ(Backups::shownStamp("2026010203040"), "2026010203040");
    const struct
    {
        const char* text;
        bool stamp;
    } stamps[] = { { "20141105093000", true }, { "2014110509300", false }, { "201411050930000", false },
        { "2014110509300a", false }, { "../../etc/pass", false }, { "", false } };
    for (const auto& s : stamps) {
        EXPECT_EQ(Backups::isStamp(s.text), s.stamp) << s.text;
    }
    for (const char* data : { "/srv/kg/formal/", "/srv/kg/formal", "/srv/kg/formal//", "/srv/kg/./formal/" }) {
        EXPECT_EQ(Backups::folderFor(data), "/srv/kg/BFWJ/") << data;
    }
    // The set leaves out the accounts file and keeps the others' own names.
    std::string names;
    for (const int id : Backups::databases()) {
        names += Backups::fileName("X", id) + " ";
    }
    EXPECT_EQ(names,
        "Xknowledges.dll.bak Xcook.dll.bak Xsports.dll.bak Xgright.dll.bak Xintakecriterion.dll.bak "
        "Xpantry.dll.bak XRecord.dll.bak Xreview.dll.bak XEvaluation.DLL.bak Xpackage.dll.bak Xnutrient.dll.bak ");
}

TEST_F(BackupsTest, BackupsWithinOneSecondTakeTheNextFreeSecond)
{
    const struct
    {
        DateTime moment;
        const char* first;
        const char* second;
    } cases[] = {
        { { 2014, 11, 5, 9, 59, 59 }, "20141105095959", "20141105100000" },
        { { 2014, 12, 31, 23, 59, 59 }, "20141231235959", "20150101000000" },
        { { 2016, 2, 28, 23, 59, 59 }, "20160228235959", "20160229000000" },
        { { 2015, 2, 28, 23, 59, 59 }, "20150228235959", "20150301000000" },
    };
    int expectedId = 1;
    for (const auto& c : cases) {
        m_clock.set(c.moment);
        const auto first = Backups::backup("admin");
        const auto second = Backups::backup("admin");
        ASSERT_TRUE(first.ok() && second.ok());
        EXPECT_EQ(first->stamp, c.first);
        EXPECT_EQ(second->stamp, c.second);
        EXPECT_EQ(first->id, expectedId++);
        EXPECT_EQ(second->id, expectedId++);
    }
    EXPECT_EQ(filesIn(backupFolder()).size(), 8u * 11u);

    // A file of that second already lying in the folder (copied back from a stick, say) is not
    // overwritten either.
    m_clock.set({ 2020, 6, 1, 8, 0, 0 });

    fs::copy_file(backupFolder() + "20141105095959cook.dll.bak", backupFolder() + "20200601080000cook.dll.bak");
    const auto third = Backups::backup("admin");
    ASSERT_TRUE(third.ok());
    EXPECT_EQ(third->stamp, "20200601080001");

    std::string order;
    for (const auto& set : Backups::list()) {
        order += std::to_string(set.id) + " ";
    }
    EXPECT_EQ(order, "9 8 7 6 5 4 3 2 1 ");
}

TEST_F(BackupsTest, ABackupMissingADataFileLeavesNoSetBehind)
{
    fs::remove(GetDatabasePath(PackageDb));
    const auto made = Backups::backup("admin");
    ASSERT_FALSE(made.ok());
    EXPECT_EQ(made.message(), "数据损坏，备份失败");
    EXPECT_EQ(made.caption(), "系统提示");
    EXPECT_EQ(setCount(), 0);
    EXPECT_TRUE(filesIn(backupFolder()).empty());
}

TEST(BackupRestore, BringsBackTheDataFilesAndKeepsAccountsAndSets)
{
    test::TempDataFolder folder(DataFolderContent::Demo);
    test::FixedProgramClock clock({ 2026, 12, 1, 18, 0, 0 });
    const auto childName = [] {
        DatabaseConnection db(RecordDb);
        return db.execQuery("SELECT ArchName FROM ArchivesBase WHERE ArchID = '26000000'").getStringField(0);
    };
    ASSERT_EQ(childName(), "朱若汐");
    test::setMarkers("backup");
    const auto made = Backups::backup("admin");
    ASSERT_TRUE(made.ok());

    folder.exec(RecordDb, "UPDATE ArchivesBase SET ArchName = '改了名' WHERE ArchID = '26000000'");
    folder.exec(SysManagerDb,
        "INSERT INTO Management VALUES(8,'newbie','p',NULL,NULL,NULL,'2026-12-02',NULL,'超级管理员','启用','新','')");
    test::setMarkers("live");
    fs::remove(GetDatabasePath(ReviewDb)); // a lost file comes back too

    const Outcome<> restored = Backups::restore(made->id);
    ASSERT_TRUE(restored.ok()) << restored.message();
    EXPECT_EQ(childName(), "朱若汐");
    EXPECT_EQ(test::markers(), "backup backup backup backup backup backup backup backup live backup backup backup");
    EXPECT_EQ(test::sysManagerText("SELECT ManageName FROM Management WHERE ManageUser = 'newbie'", 0), "新");
    EXPECT_EQ(setCount(), 1);
    EXPECT_FALSE(fs::exists(GetDatabasePath(RecordDb) + "-journal"));
}

TEST_F(BackupsTest, RestoreChecksEveryFileOfTheSetBeforeTouchingAnyLiveFile)
{
    test::setMarkers("backup");
    const auto made = Backups::backup("admin");
    ASSERT_TRUE(made.ok());
    test::setMarkers("live");
    const std::string before = test::dataFolderBytes();

    // The last file of the set, so a restore that checked file by file would have written ten.
    const std::string victim = backupFolder() + Backups::fileName(made->stamp, NutrientDb);
    const std::string good = test::fileBytes(victim);
    const auto writeVictim
        = [&](const std::string& bytes) { std::ofstream(victim, std::ios::binary | std::ios::trunc) << bytes; };
    std::string corrupt = good;
    // The first page after the header page: the root of a table, overwritten with rubbish.
    std::fill(corrupt.begin() + 4096, corrupt.begin() + 4096 + 64, '\xee');
    const struct
    {
        const char* what;
        std::function<void()> damage;
    } cases[] = {
        { "missing", [&] { fs::remove(victim); } },
        { "empty", [&] { writeVictim(""); } },
        { "not a database", [&] { writeVictim("hello, this is not a database file at all"); } },
        { "cut in half", [&] { writeVictim(good.substr(0, good.size() / 2)); } },
        { "damaged page", [&] { writeVictim(corrupt); } },
    };
    for (const auto& c : cases) {
        c.damage();
        const Outcome<> restored = Backups::restore(made->id);
        EXPECT_EQ(restored.message(), "数据备份损坏,无法还原数据库") << c.what;
        EXPECT_TRUE(test::dataFolderBytes() == before) << c.what;
        writeVictim(good);
    }
    ASSERT_TRUE(Backups::restore(made->id).ok());
    EXPECT_EQ(test::markers(), "backup backup backup backup backup backup backup backup live backup backup backup");
}

TEST_F(BackupsTest, ARestoreRefusesWhileAnotherProgramHoldsAFile)
{
    test::setMarkers("backup");
    const auto made = Backups::backup("admin");
    ASSERT_TRUE(made.ok());
    test::setMarkers("live");

    const struct
    {
        const char* what;
        int databaseId;
        const char* hold;
    } cases[] = {
        { "another program writing the plans", PantryDb, "BEGIN IMMEDIATE; UPDATE Marker SET v = 'other';" },
        { "another program reading the knowledge pages", NutrientDb, "BEGIN; SELECT * FROM Marker;" },
    };
    for (const auto& c : cases) {
        {
            CppSQLite3DB other;
            other.open(GetDatabasePath(c.databaseId));
            other.execScript(c.hold); // the transaction stays open, and with it the lock
            const Outcome<> restored = Backups::restore(made->id, 200);
            EXPECT_EQ(restored.message(), "数据库文件正在被其他程序使用，未做任何还原。请关闭其他程序后再试！")
                << c.what;
            other.execScript("ROLLBACK");
        }
        EXPECT_EQ(test::markers(), "live live live live live live live live live live live live") << c.what;
    }
    ASSERT_TRUE(Backups::restore(made->id, 200).ok());
    EXPECT_EQ(test::markers(), "backup backup backup backup backup backup backup backup live backup backup backup");
}

TEST_F(BackupsTest, RestoreAndDeleteUseOnlyFourteenDigitStampsAndKnownSets)
{
    // Files that a stamp without digits would name: "cook.dll.bak" and so on.
    fs::create_directories(backupFolder());
    for (const int id : Backups::databases()) {
        fs::copy_file(GetDatabasePath(id), backupFolder() + Backups::fileName("", id));
    }
    m_folder.exec(
        SysManagerDb, "INSERT INTO SJKBFTS VALUES(1,'','admin'); INSERT INTO SJKBFTS VALUES(2,'2014','admin');");
    const std::string before = test::dataFolderBytes();
    for (const int id : { 1, 2 }) {
        EXPECT_EQ(Backups::restore(id).message(), "数据备份损坏,无法还原数据库");
        EXPECT_EQ(Backups::remove(id).message(), "备份数据不存在，请及时备份数据文件！");
    }
    EXPECT_EQ(Backups::restore(3).message(), "该备份已不存在！");
    EXPECT_EQ(Backups::remove(3).message(), "该备份已不存在！");
    EXPECT_EQ(filesIn(backupFolder()).size(), 11u);
    EXPECT_EQ(setCount(), 2);
    EXPECT_TRUE(test::dataFolderBytes() == before);
}

TEST_F(BackupsTest, DeleteRemovesAllOfASetOrNothing)
{
    const auto first = Backups::backup("admin");
    m_clock.set({ 2014, 11, 6, 9, 30, 0 });
    const auto second = Backups::backup("admin");
    ASSERT_TRUE(first.ok() && second.ok());

    const std::string missing = backupFolder() + Backups::fileName(first->stamp, PantryDb);
    fs::rename(missing, missing + ".away");
    EXPECT_EQ(Backups::remove(first->id).message(), "备份数据不存在，请及时备份数据文件！");
    EXPECT_EQ(setCount(), 2);
    EXPECT_EQ(filesIn(backupFolder()).size(), 22u); // ten of the first, the one set aside, eleven of the second

    fs::rename(missing + ".away", missing);
    ASSERT_TRUE(Backups::remove(first->id).ok());
    EXPECT_EQ(setCount(), 1);
    EXPECT_EQ(test::sysManagerText("SELECT * FROM SJKBFTS", 1), "20141106093000");
    const auto left = filesIn(backupFolder());
    ASSERT_EQ(left.size(), 11u);
    EXPECT_TRUE(
        std::all_of(left.begin(), left.end(), [](const std::string& name) { return name.starts_with("20141106"); }));
}

TEST_F(BackupsTest, TheNextActionTidiesUpAfterOneThatWasCutShort)
{
    const auto made = Backups::backup("admin");
    ASSERT_TRUE(made.ok());
    // A delete that stopped between moving the files and removing the row, a half-written file,
    // and a delete of a set no longer listed.
    const std::string aside = backupFolder() + ".deleting-" + made->stamp + "/";
    fs::create_directories(aside);
    for (const int id : { CookDb, RecordDb, PantryDb }) {
        fs::rename(backupFolder() + Backups::fileName(made->stamp, id), aside + Backups::fileName(made->stamp, id));
    }
    std::ofstream(backupFolder() + "20141105093001cook.dll.bak.part") << "half";
    fs::create_directories(backupFolder() + ".deleting-20000101000000/");
    std::ofstream(backupFolder() + ".deleting-20000101000000/20000101000000cook.dll.bak") << "old";

    ASSERT_TRUE(Backups::restore(made->id).ok());
    const auto names = filesIn(backupFolder());
    EXPECT_EQ(names.size(), 11u);
    EXPECT_TRUE(std::all_of(names.begin(), names.end(),
        [&](const std::string& name) { return name.starts_with(made->stamp) && name.ends_with(".bak"); }));
}

} // namespace
