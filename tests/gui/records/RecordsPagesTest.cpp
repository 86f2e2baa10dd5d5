#include "../GuiTestSupport.h"
#include "TempDataFolder.h"
#include "core/common/Clock.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/SqlFormat.h"
#include "core/records/Archives.h"
#include "gui/records/CBjEditDlg.h"
#include "gui/records/CBjPerSonDlg.h"
#include "gui/records/CBjSetDlg.h"
#include "gui/records/CSelPerSonDlg.h"
#include "gui/records/CYydaAddDlg.h"
#include "gui/records/CYydaCjDlg.h"
#include "gui/records/CYydaDisplayDlg.h"
#include "gui/shell/CLumarooDlg.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/CPictureButton.h"
#include "gui/widgets/FakePrompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace pelinor;

namespace {

class RecordsPagesTest : public test::GuiTest
{
protected:
    void SetUp() override
    {
        setProgramClock(std::make_shared<FixedClock>(DateTime { 2014, 3, 1, 9, 30, 0 }));
        test::logInAs("admin", "vanto");
    }
    void TearDown() override
    {
        m_window.reset();
        setProgramClock(nullptr);
    }

    CLumarooDlg& window()
    {
        if (!m_window) {
            m_window = std::make_unique<CLumarooDlg>();
        }
        return *m_window;
    }

    template <typename Page> Page* page(PageId id)
    {
        auto* found = window().pageAs<Page>(id);
        EXPECT_NE(found, nullptr);
        return found;
    }

    static void click(QWidget* page, const char* button)
    {
        auto* found = page->findChild<CPictureButton*>(QString::fromLatin1(button));
        ASSERT_NE(found, nullptr) << button;
        found->click();
    }

    static void choose(QComboBox* combo, int index)
    {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    void addChild(
        const std::string& archId, const std::string& name, const std::string& className, const std::string& studentId)
    {
        m_folder.exec(RecordDb,
            formatSql("INSERT INTO ArchivesBase (ArchID, ArchName, Gender, Height, Weight, Birth, Class, StudentID) "
                      "VALUES('%s','%s','女','100','16','2011-09-30','%s','%s')",
                archId, name, className, studentId));
    }

    std::unique_ptr<CLumarooDlg> m_window;
};

TEST_F(RecordsPagesTest, AChildIsAddedEditedViewedAndDeleted)
{
    auto* list = page<CYydaCjDlg>(PageId::ArchiveList);
    auto* form = page<CYydaAddDlg>(PageId::ArchiveEntry);
    auto* display = page<CYydaDisplayDlg>(PageId::ArchiveDisplay);
    ASSERT_TRUE(list && form && display);

    // Nothing selected: view and edit say so.
    click(list, "viewButton");
    EXPECT_EQ(m_prompts->lastText(), QStringLiteral("请选择查看信息"));
    EXPECT_EQ(m_prompts->lastCaption(), QStringLiteral("系统提示"));
    click(list, "editButton");
    EXPECT_EQ(m_prompts->lastText(), QStringLiteral("请选择编辑信息"));

    click(list, "addButton");
    EXPECT_EQ(window().currentPage(), PageId::ArchiveEntry);
    EXPECT_EQ(form->edit("archIdEdit")->text(), QStringLiteral("14000000"));
    EXPECT_EQ(form->edit("studentIdEdit")->text(), QStringLiteral("00001"));

    click(form, "saveButton");
    EXPECT_EQ(m_prompts->lastText(), QStringLiteral("姓名不能为空"));
    EXPECT_EQ(window().currentPage(), PageId::ArchiveEntry);

    form->edit("nameEdit")->setText(QStringLiteral("王小丫"));
    QTest::keyClicks(form->edit("heightEdit"), QStringLiteral("9a8.5x"));
    click(form, "saveButton");
    EXPECT_EQ(m_prompts->lastText(), QStringLiteral("请输入体重"));
    QTest::keyClicks(form->edit("weightEdit"), QStringLiteral("15"));
    QTest::keyClicks(form->edit("guardianTelEdit"), QStringLiteral("138001380001234"));
    form->date("birthDate")->setDate(QDate(2011, 9, 30));
    choose(form->combo("classCombo"), 1);
    EXPECT_EQ(form->edit("heightEdit")->text(), QStringLiteral("98.5"));
    EXPECT_EQ(form->edit("guardianTelEdit")->text(), QStringLiteral("13800138000"));
    EXPECT_EQ(form->edit("studentIdEdit")->text(), QStringLiteral("01001"));
    form->check(QStringLiteral("allergy0"))->setChecked(true);
    form->edit("allergyOther")->setText(QStringLiteral("花粉"));
    form->check(QStringLiteral("illnessNone"))->setChecked(true);
    form->check(QStringLiteral("signF2"))->setChecked(true);
    form->check(QStringLiteral("signF8"))->setChecked(true);
    click(form, "saveButton");

    EXPECT_EQ(window().currentPage(), PageId::ArchiveList);
    ASSERT_EQ(list->archiveList()->rowCount(), 1);
    EXPECT_EQ(list->archiveList()->itemText(0, 1), QStringLiteral("王小丫"));
    EXPECT_EQ(list->archiveList()->itemText(0, 6), QStringLiteral("中班"));
    auto stored = loadArchive("14000000");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->allergy, "青霉素；花粉");
    EXPECT_EQ(stored->ill, "无");
    EXPECT_EQ(stored->disable, "");
    EXPECT_EQ(stored->lcbx, "F2；F8");
    EXPECT_EQ(stored->birth, "2011-09-30");
    EXPECT_EQ(stored->createdTime, "2014-03-01 09:30:00");

    // Edit: the form shows what was saved; the class chosen again keeps the student number.
    list->archiveList()->selectRow(0);
    click(list, "editButton");
    EXPECT_EQ(window().currentPage(), PageId::ArchiveEntry);
    EXPECT_TRUE(form->check(QStringLiteral("allergy0"))->isChecked());
    EXPECT_FALSE(form->check(QStringLiteral("allergy1"))->isChecked());
    EXPECT_EQ(form->edit("allergyOther")->text(), QStringLiteral("花粉"));
    EXPECT_TRUE(form->check(QStringLiteral("illnessNone"))->isChecked());
    EXPECT_TRUE(form->check(QStringLiteral("signF8"))->isChecked());
    EXPECT_FALSE(form->check(QStringLiteral("signF1"))->isChecked());
    choose(form->combo("classCombo"), 1);
    EXPECT_EQ(form->edit("studentIdEdit")->text(), QStringLiteral("01001"));
    form->edit("weightEdit")->setText(QStringLiteral("16"));
    click(form, "saveButton");
    EXPECT_EQ(loadArchives().size(), 1u);
    EXPECT_EQ(list->archiveList()->itemText(0, 4), QStringLiteral("16"));

    // View: the display page computes from the stored archive.
    list->archiveList()->selectRow(0);
    click(list, "viewButton");
    EXPECT_EQ(window().currentPage(), PageId::ArchiveDisplay);
    EXPECT_EQ(display->boxText(QStringLiteral("年        龄：")), QStringLiteral("2岁6月"));
    EXPECT_EQ(display->boxText(QStringLiteral("标准体重：")), QStringLiteral("11kg"));
    EXPECT_EQ(display->boxText(QStringLiteral("临床体现：")), QStringLiteral("通过临床表现：缺乏铁、蛋白质、锰、锌。"));
    EXPECT_EQ(display->boxText(QStringLiteral("Kaup指数：")), QStringLiteral("16.49"));
    EXPECT_TRUE(display->evaluationBox()->toPlainText().startsWith(QStringLiteral("正常")));
    click(display, "backToListButton");
    EXPECT_EQ(window().currentPage(), PageId::ArchiveList);

    // Delete: cancelled first, then confirmed.
    list->archiveList()->selectRow(0);
    m_prompts->queueAnswer(false);
    click(list, "deleteButton");
    EXPECT_EQ(m_prompts->lastText(), QStringLiteral("确定要删除吗"));
    EXPECT_EQ(m_prompts->lastCaption(), QStringLiteral("系统提示"));
    EXPECT_EQ(list->archiveList()->rowCount(), 1);
    list->archiveList()->selectRow(0);
    m_prompts->queueAnswer(true);
    click(list, "deleteButton");
    EXPECT_EQ(list->archiveList()->rowCount(), 0);
    EXPECT_TRUE(loadArchives().empty());
}

TEST_F(RecordsPagesTest, CancellingTheFormKeepsNothingAndAMissingPermissionStopsTheAction)
{
    auto* list = page<CYydaCjDlg>(PageId::ArchiveList);
    auto* form = page<CYydaAddDlg>(PageId::ArchiveEntry);
    ASSERT_TRUE(list && form);
    click(list, "addButton");
    form->edit("nameEdit")->setText(QStringLiteral("未保存"));
    click(form, "cancelButton");
    EXPECT_EQ(window().currentPage(), PageId::ArchiveList);
    EXPECT_TRUE(form->edit("nameEdit")->text().isEmpty());
    EXPECT_TRUE(loadArchives().empty());

    list->permissions().clear();
    m_prompts->clear();
    for (const char* button : { "viewButton", "addButton", "editButton", "deleteButton" }) {
        click(list, button);
        EXPECT_EQ(m_prompts->lastText(), QStringLiteral("对不起！您没有操作该模块的权限！")) << button;
    }
    EXPECT_EQ(window().currentPage(), PageId::ArchiveList);
}

TEST_F(RecordsPagesTest, AnUnchangedEditKeepsTheStoredDatesAndTheChildsOwnClassNumber)
{
    // Dates written by hand or by another program, and a class that is gone from the class table.
    m_folder.exec(RecordDb,
        "INSERT INTO ArchivesBase (ArchID, ArchName, Gender, Height, Weight, Birth, InTime, Class, StudentID) "
        "VALUES('14000001','甲','女','100','16','2011-9-30','','旧班','07004');");
    auto* list = page<CYydaCjDlg>(PageId::ArchiveList);
    auto* form = page<CYydaAddDlg>(PageId::ArchiveEntry);
    ASSERT_TRUE(list && form);
    list->reloadList();
    list->archiveList()->selectRow(0);
    click(list, "editButton");
    ASSERT_EQ(window().currentPage(), PageId::ArchiveEntry);
    EXPECT_EQ(form->date("birthDate")->date(), QDate(2011, 9, 30));

    // Another class and back: the child's own number comes back, not the other class's.
    QComboBox* classes = form->combo("classCombo");
    choose(classes, 0);
    EXPECT_EQ(form->edit("studentIdEdit")->text(), QStringLiteral("00001"));
    choose(classes, classes->findText(QStringLiteral("旧班")));
    EXPECT_EQ(form->edit("studentIdEdit")->text(), QStringLiteral("07004"));

    click(form, "saveButton");
    EXPECT_EQ(window().currentPage(), PageId::ArchiveList);
    auto stored = loadArchive("14000001");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->birth, "2011-9-30");
    EXPECT_EQ(stored->inTime, "");
    EXPECT_EQ(stored->className, "旧班");
    EXPECT_EQ(stored->studentId, "07004");

    // A date the user picks is written as the picker shows it.
    list->archiveList()->selectRow(0);
    click(list, "editButton");
    form->date("birthDate")->setDate(QDate(2011, 10, 2));
    click(form, "saveButton");
    stored = loadArchive("14000001");
    EXPECT_EQ(stored->birth, "2011-10-02");
    EXPECT_EQ(stored->inTime, "");
}

TEST_F(RecordsPagesTest, ANewChildNeverOverwritesAnotherOne)
{
    auto* list = page<CYydaCjDlg>(PageId::ArchiveList);
    auto* form = page<CYydaAddDlg>(PageId::ArchiveEntry);
    ASSERT_TRUE(list && form);
    click(list, "addButton");
    ASSERT_EQ(form->edit("archIdEdit")->text(), QStringLiteral("14000000"));
    // Meanwhile the number is taken elsewhere.
    addChild("14000000", "甲", "小班", "00001");
    form->edit("nameEdit")->setText(QStringLiteral("乙"));
    form->edit("heightEdit")->setText(QStringLiteral("100"));
    form->edit("weightEdit")->setText(QStringLiteral("16"));
    click(form, "saveButton");
    EXPECT_EQ(m_prompts->lastText(), QStringLiteral("该档案编号已被其他幼儿使用，档案未保存。请取消后重新新建！"));
    EXPECT_EQ(window().currentPage(), PageId::ArchiveEntry);
    EXPECT_EQ(form->edit("nameEdit")->text(), QStringLiteral("乙")); // what was typed stays
    ASSERT_EQ(loadArchives().size(), 1u);
    EXPECT_EQ(loadArchive("14000000")->archName, "甲");

    // The year's last number is taken: the form does not open.
    click(form, "cancelButton");
    addChild("14999999", "丙", "小班", "00002");
    m_prompts->clear();
    click(list, "addButton");
    EXPECT_EQ(m_prompts->texts(), QStringList { QStringLiteral("本年度的档案编号已经用完，不能再新建档案！") });
    EXPECT_EQ(window().currentPage(), PageId::ArchiveList);
    EXPECT_EQ(loadArchives().size(), 2u);
}

// A child whose every field differs from every other, so that a box or a column showing the wrong
// field cannot go unnoticed. The expected figures were worked out by hand: born 2010-11, on
// 2014-03-01 the child is 3岁4月; standard weight 2 × 3 + 8 = 14 kg, standard height 7 × (3 + 10)
// = 91 cm; KAUP 17.2 / 103.5² × 10⁴ = 16.06, ROHRER 17.2 / 103.5³ × 10⁷ = 155.13.
TEST_F(RecordsPagesTest, EveryColumnAndBoxShowsItsOwnField)
{
    m_folder.exec(RecordDb,
        "INSERT INTO ArchivesBase VALUES('14000007','王小明','男','回族','103.5','17.2','2010-11-02','阳光幼儿园',"
        "'2013-09-01','中班','01003','非户籍','光明路8号','王大','13900001111','父子','B','Rh阴性','青霉素','龋齿',"
        "'听力残','2014-02-01 08:00:00','F1');");
    auto* list = page<CYydaCjDlg>(PageId::ArchiveList);
    auto* display = page<CYydaDisplayDlg>(PageId::ArchiveDisplay);
    auto* members = page<CBjPerSonDlg>(PageId::ClassMembers);
    ASSERT_TRUE(list && display && members);

    const QStringList listed = { "14000007", "王小明", "男", "103.5", "17.2", "2010-11-02", "中班", "2013-09-01" };
    ASSERT_EQ(list->archiveList()->rowCount(), 1);
    for (int column = 0; column < listed.size(); ++column) {
        EXPECT_EQ(list->archiveList()->itemText(0, column), listed.at(column)) << "archive list column " << column;
    }

    choose(members->classCombo(), members->classCombo()->findText(QStringLiteral("中班")));
    const QStringList member = { "01003", "王小明", "男", "2010-11-02", "103.5", "17.2", "光明路8号" };
    ASSERT_EQ(members->memberList()->rowCount(), 1);
    for (int column = 0; column < member.size(); ++column) {
        EXPECT_EQ(members->memberList()->itemText(0, column), member.at(column)) << "member list column " << column;
    }

    ASSERT_TRUE(display->openArchive(QStringLiteral("14000007")));
    const std::pair<const char*, const char*> boxes[] = {
        { "档案编号：", "14000007" },
        { "姓        名：", "王小明" },
        { "性        别：", "男" },
        { "民        族：", "回族" },
        { "身   高(cm)：", "103.5" },
        { "体    重(kg)：", "17.2" },
        { "年        龄：", "3岁4月" },
        { "学校名称：", "阳光幼儿园" },
        { "入学日期：", "2013-09-01" },
        { "班        级：", "中班" },
        { "学        号：", "01003" },
        { "常住类型：", "非户籍" },
        { "家庭住址：", "光明路8号" },
        { "监  护  人：", "王大" },
        { "监护人电话：", "13900001111" },
        { "与监护人关系：", "父子" },
        { "ABO血型：", "B" },
        { "Rh血型：", "Rh阴性" },
        { "过敏反应：", "青霉素" },
        { "疾  病  史：", "龋齿" },
        { "有无残疾：", "听力残" },
        { "标准体重：", "14kg" },
        { "标准身高：", "91cm" },
        { "Kaup指数：", "16.06" },
        { "Rohrer指数：", "155.13" },
    };
    for (const auto& [label, text] : boxes) {
        EXPECT_EQ(display->boxText(QString::fromUtf8(label)), QString::fromUtf8(text)) << label;
    }
}

TEST_F(RecordsPagesTest, TwoChildrenMoveBetweenClassesByArchiveNumber)
{
    addChild("14000001", "甲", "小班", "00001");
    addChild("14000002", "乙", "小班", "00002");
    addChild("14000003", "丙", "小班", "00003");
    addChild("14000004", "丁", "中班", "01001");
    addChild("14000005", "乙", "大班", "02001"); // same name, other class: stays put
    auto* classes = page<CBjSetDlg>(PageId::Classes);
    ASSERT_TRUE(classes);
    classes->refresh();

    choose(classes->sourceCombo(), 0);
    ASSERT_EQ(classes->sourceChildren()->rowCount(), 3);
    classes->sourceChildren()->selectRow(1);
    click(classes, "moveOneButton");
    classes->sourceChildren()->selectRow(0);
    click(classes, "moveOneButton");
    ASSERT_EQ(classes->movedChildren()->rowCount(), 2);
    EXPECT_EQ(classes->movedChildren()->itemText(0, 0), QStringLiteral("甲")); // the latest goes on top
    EXPECT_EQ(classes->sourceChildren()->rowCount(), 1);

    // Back and forth with the all-buttons changes nothing on disk.
    click(classes, "moveBackAllButton");
    EXPECT_EQ(classes->sourceChildren()->rowCount(), 3);
    EXPECT_EQ(classes->movedChildren()->rowCount(), 0);
    click(classes, "moveAllButton");
    EXPECT_EQ(classes->movedChildren()->rowCount(), 3);
    classes->movedChildren()->selectRow(0);
    click(classes, "moveBackOneButton");
    EXPECT_EQ(classes->movedChildren()->rowCount(), 2);
    EXPECT_EQ(classes->sourceChildren()->itemText(0, 0), QStringLiteral("丙"));

    click(classes, "applyMoveButton");
    EXPECT_EQ(m_prompts->lastText(), QStringLiteral("请选择目标班级"));
    choose(classes->targetCombo(), 0);
    click(classes, "applyMoveButton");
    EXPECT_EQ(m_prompts->lastText(), QStringLiteral("目标班级与调整班级不能相同"));
    EXPECT_EQ(loadArchive("14000001")->className, "小班");

    choose(classes->targetCombo(), 1);
    click(classes, "applyMoveButton");
    EXPECT_EQ(classes->movedChildren()->rowCount(), 0);
    EXPECT_EQ(classes->sourceChildren()->rowCount(), 0);
    EXPECT_EQ(classes->sourceCombo()->currentIndex(), -1);
    EXPECT_EQ(classes->targetCombo()->currentIndex(), -1);
    EXPECT_EQ(loadArchive("14000001")->className, "中班");
    EXPECT_EQ(loadArchive("14000001")->studentId, "01002");
    EXPECT_EQ(loadArchive("14000002")->className, "中班");
    EXPECT_EQ(loadArchive("14000002")->studentId, "01003");
    EXPECT_EQ(loadArchive("14000003")->className, "小班");
    EXPECT_EQ(loadArchive("14000005")->className, "大班");
    EXPECT_EQ(loadArchive("14000005")->studentId, "02001");

    // The member page lists the class it is switched to.
    click(classes, "classMembersButton");
    EXPECT_EQ(window().currentPage(), PageId::ClassMembers);
    auto* members = page<CBjPerSonDlg>(PageId::ClassMembers);
    choose(members->classCombo(), 1);
    EXPECT_EQ(members->memberList()->rowCount(), 3);
}

TEST_F(RecordsPagesTest, ClassesAreAddedRenamedAndDeletedThroughTheirDialog)
{
    auto* classes = page<CBjSetDlg>(PageId::Classes);
    ASSERT_TRUE(classes);
    click(classes, "editClassButton");
    EXPECT_EQ(m_prompts->lastText(), QStringLiteral("请选择修改班级！"));
    click(classes, "deleteClassButton");
    EXPECT_EQ(m_prompts->lastText(), QStringLiteral("请选择要删除的班级！"));

    test::whenModal<CBjEditDlg>([this](CBjEditDlg* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("班级编辑"));
        dialog->nameEdit()->setText(QStringLiteral("中班"));
        dialog->accept();
        EXPECT_EQ(m_prompts->lastText(), QStringLiteral("该名称已经存在，请重新输入！"));
        EXPECT_TRUE(dialog->isVisible());
        dialog->nameEdit()->setText(QStringLiteral("Tom's 班"));
        dialog->accept();
        EXPECT_FALSE(dialog->isVisible());
    });
    click(classes, "addClassButton");
    ASSERT_EQ(classes->classList()->rowCount(), 4);
    EXPECT_EQ(classes->classList()->itemText(3, 0), QStringLiteral("Tom's 班"));
    EXPECT_EQ(classes->targetCombo()->count(), 4);

    addChild("14000001", "甲", "Tom's 班", "03001");
    classes->classList()->selectRow(3);
    test::whenModal<CBjEditDlg>([](CBjEditDlg* dialog) {
        EXPECT_EQ(dialog->nameEdit()->text(), QStringLiteral("Tom's 班"));
        dialog->nameEdit()->setText(QStringLiteral("Ann's 班"));
        dialog->accept();
    });
    click(classes, "editClassButton");
    EXPECT_EQ(classes->classList()->itemText(3, 0), QStringLiteral("Ann's 班"));
    EXPECT_EQ(loadArchive("14000001")->className, "Ann's 班");

    classes->classList()->selectRow(0);
    click(classes, "deleteClassButton");
    EXPECT_EQ(m_prompts->lastText(), QStringLiteral("不能删除小班、中班和大班！"));
    classes->classList()->selectRow(3);
    click(classes, "deleteClassButton");
    EXPECT_EQ(m_prompts->lastText(), QStringLiteral("该班内还有学生，无法删除！"));
    deleteArchive("14000001");
    classes->classList()->selectRow(3);
    m_prompts->clear();
    click(classes, "deleteClassButton");
    EXPECT_EQ(m_prompts->texts(), QStringList { QStringLiteral("确定要删除吗？") });
    EXPECT_EQ(m_prompts->lastCaption(), QStringLiteral("系统提示！"));
    EXPECT_EQ(classes->classList()->rowCount(), 3);
}

TEST_F(RecordsPagesTest, ThePersonPickerAsksForAClassThenAChild)
{
    addChild("14000001", "甲", "中班", "01001");
    addChild("14000002", "甲", "中班", "01002");
    CSelPerSonDlg picker;
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("人员选择"));
    picker.accept();
    EXPECT_EQ(m_prompts->lastText(), QStringLiteral("请选择班级！"));
    picker.classCombo()->setCurrentIndex(1);
    ASSERT_EQ(picker.nameCombo()->count(), 2);
    picker.accept();
    EXPECT_EQ(m_prompts->lastText(), QStringLiteral("请选择对象！"));
    EXPECT_NE(picker.result(), QDialog::Accepted);
    picker.nameCombo()->setCurrentIndex(1);
    picker.accept();
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picker.chosenChild(), (ChildRef { "14000002", "甲" }));
}

} // namespace
