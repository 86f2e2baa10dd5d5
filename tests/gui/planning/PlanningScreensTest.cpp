#include "../GuiTestSupport.h"
#include "../library/ModalDialog.h"
#include "core/common/Clock.h"
#include "core/db/DatabaseConnection.h"
#include "core/planning/PlanRecords.h"
#include "gui/navigation/Navigator.h"
#include "gui/planning/CYypcAddDlg.h"
#include "gui/planning/CYypcDhDlg.h"
#include "gui/planning/CYypcDlg.h"
#include "gui/planning/CYypcViewDlg.h"
#include "gui/setmeals/CPCookSelDlg.h"
#include "gui/setmeals/CPFoodSelDlg.h"
#include "gui/setmeals/CPackageCookEditDlg.h"
#include "gui/setmeals/CPcSelectAddDlg.h"
#include "gui/setmeals/CYytcDlg.h"
#include "gui/setmeals/CpackageFoodEditDlg.h"
#include "gui/shell/CLumarooDlg.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/CPictureButton.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace pelinor;

namespace {

QStringList lineTexts(const CListCtrlCl* list)
{
    QStringList lines;
    for (int row = 0; row < list->rowCount(); ++row) {
        lines << list->itemText(row, 0) + ":" + list->itemText(row, 1);
    }
    return lines;
}

void typeInto(QLineEdit* edit, const QString& text)
{
    edit->clear();
    QTest::keyClicks(edit, text);
}

class PlanningScreensTest : public test::GuiTest
{
protected:
    void SetUp() override
    {
        setProgramClock(std::make_shared<FixedClock>(DateTime { 2026, 12, 9, 9, 0, 0 })); // a Wednesday
        m_folder.exec(CookDb,
            "INSERT INTO FoodShow(FoodID, FoodName, FoodEnergy, FoodProtein, FoodFat, FoodCarbohydrate) VALUES"
            "(1, '大米', 350, 7.5, 0.9, 77.2), (2, '鸡蛋', 144, 13.3, 8.8, 2.8), (3, '苹果', 54, 0.2, 0.2, 13.5);"
            "INSERT INTO CXC VALUES(1, '早点', '苹果', '100', '否'), (2, '午点', '苹果', '80', '否');"
            "INSERT INTO CookShow(CookID, CookName, CookCategory, CookFoods, CookWeight) "
            "VALUES(1, '鸡蛋饼', '儿童主食', '鸡蛋:30g；大米:20g；', 50);"
            "INSERT INTO CookFood VALUES(1, 1, 2, '主料', '30'), (2, 1, 1, '主料', '20');");
        m_folder.exec(IntakeCriterionDb,
            "INSERT INTO CDRIS(ID, Age1, Sex, Energy, Protein, Fat) VALUES"
            "(1, 4, '男', 1400, 45, 50), (2, 4, '女', 1300, 40, 46);");
        m_folder.exec(RecordDb,
            "INSERT INTO ArchivesBase(ArchID, ArchName, Gender, Birth, Class, StudentID, Allergy) VALUES"
            "('26000001', '王小明', '男', '2022-03-01', '小班', '00001', '无'),"
            "('26000002', '李小红', '女', '2022-07-15', '中班', '01001', '鸡蛋');");
        m_folder.exec(PackageDb,
            "INSERT INTO PackageName VALUES(0, '早点套餐', '2026-12-01', '中班');"
            "INSERT INTO PackageCook VALUES(0, 0, '鸡蛋饼', '150', '早餐', '2026-12-01', '是', '鸡蛋:90g；大米:60g；'),"
            "(1, 0, '苹果', '100', '早点', '2026-12-01', '否', '苹果:100g；');");
        test::logInAs("admin", "vanto");
        m_window = std::make_unique<CLumarooDlg>();
        m_list = m_window->pageAs<CYypcDlg>(PageId::PlanList);
        m_setup = m_window->pageAs<CYypcDhDlg>(PageId::PlanSetup);
        m_editor = m_window->pageAs<CYypcAddDlg>(PageId::PlanEditor);
        ASSERT_TRUE(m_list && m_setup && m_editor);
    }

    void TearDown() override
    {
        m_window.reset();
        setProgramClock(nullptr);
    }

    void click(const char* objectName, QWidget* page)
    {
        auto* button = page->findChild<QAbstractButton*>(QString::fromUtf8(objectName));
        ASSERT_NE(button, nullptr) << objectName;
        button->click();
    }

    // Adds through the item chooser: the dish (first tab) or food (second tab) the search finds.
    void addChosen(bool dish, const QString& name, const QString& weight)
    {
        test::whenDialogOpens<CPcSelectAddDlg>([=](CPcSelectAddDlg& chooser) {
            EXPECT_EQ(chooser.windowTitle(), "食谱添加");
            chooser.tabs()->setCurrentIndex(dish ? 0 : 1);
            chooser.searchEdit()->setText(name);
            chooser.onSearch();
            if (dish) {
                chooser.dishPage()->dishList()->selectRow(0);
            } else {
                chooser.foodPage()->foodList()->selectRow(0);
            }
            chooser.weightEdit()->setText(weight);
            chooser.okButton()->click();
        });
        click("addItemButton", m_editor);
    }

    static int rows(const std::string& sql)
    {
        DatabaseConnection db(PantryDb);
        return db.execQuery(sql).getIntField(0);
    }

    std::unique_ptr<CLumarooDlg> m_window;
    CYypcDlg* m_list = nullptr;
    CYypcDhDlg* m_setup = nullptr;
    CYypcAddDlg* m_editor = nullptr;
};

TEST_F(PlanningScreensTest, SetUpRefusesInTheOrderOfTheFieldsThenStartsTheEditor)
{
    click("newPlanButton", m_list);
    EXPECT_EQ(m_window->currentPage(), PageId::PlanSetup);
    EXPECT_EQ(m_setup->shareEdit(2)->text(), "30");

    click("confirmSetupButton", m_setup);
    m_setup->nameEdit()->setText(QStringLiteral("王小明一日食谱"));
    click("confirmSetupButton", m_setup);
    m_setup->kindButton(0)->click();
    EXPECT_EQ(m_setup->childList()->rowCount(), 1); // 小班, the first class
    EXPECT_FALSE(m_setup->availableClasses()->isEnabled());
    click("confirmSetupButton", m_setup);
    m_setup->cycleButton(0)->click();
    typeInto(m_setup->shareEdit(0), QStringLiteral("25"));
    click("confirmSetupButton", m_setup);
    typeInto(m_setup->shareEdit(0), QStringLiteral("0")); // refused at once
    typeInto(m_setup->shareEdit(0), QStringLiteral("20"));
    click("confirmSetupButton", m_setup);
    EXPECT_EQ(m_prompts->texts(),
        (QStringList { "配餐名称不能为空", "请选择配餐对象", "请选择配餐周期", "功能比之和必须是100！",
            "请输入大于0的整数", "请选择配餐对象!" }));

    m_setup->kindButton(1)->click();
    EXPECT_FALSE(m_setup->childList()->isEnabled());
    EXPECT_EQ(m_setup->availableClasses()->rowCount(), 3);
    click("confirmSetupButton", m_setup);
    EXPECT_EQ(m_prompts->lastText(), "请选择配餐对象！");

    m_setup->kindButton(0)->click();
    m_setup->childList()->selectRow(0);
    click("confirmSetupButton", m_setup);
    EXPECT_EQ(m_prompts->texts().size(), 7);
    EXPECT_EQ(m_window->currentPage(), PageId::PlanEditor);
    EXPECT_EQ(m_editor->editor().subjectText(), "王小明");
    EXPECT_EQ(m_editor->editor().archId(), "26000001");
    EXPECT_FALSE(m_editor->daySelector()->isVisibleTo(m_editor));
    EXPECT_EQ(m_editor->dateEdit()->date(), QDate(2026, 12, 9));
    EXPECT_EQ(m_editor->dailyText(0), "1400.00");
    EXPECT_EQ(m_editor->dailyText(3), "210.00");
    EXPECT_EQ(m_editor->referenceText(0), "280.00"); // breakfast: 20 %
    EXPECT_EQ(m_editor->referenceBox()->title(), "早餐营养物质参考值");
}

TEST_F(PlanningScreensTest, AWeekClassPlanIsSavedDayByDayReopenedAndChanged)
{
    m_list->newPlan();
    m_setup->nameEdit()->setText(QStringLiteral("小中班一周食谱"));
    m_setup->kindButton(1)->click();
    m_setup->cycleButton(1)->click();
    m_setup->availableClasses()->selectRow(0);
    click("addClassButton", m_setup);
    m_setup->availableClasses()->selectRow(0);
    click("addClassButton", m_setup);
    click("confirmSetupButton", m_setup);
    ASSERT_EQ(m_window->currentPage(), PageId::PlanEditor);
    EXPECT_EQ(m_editor->editor().subjectText(), "中班；小班"); // the latest class first
    EXPECT_EQ(m_editor->dateEdit()->date(), QDate(2026, 12, 14));
    EXPECT_EQ(m_editor->dailyText(0), "1350.00");

    // Monday: a dish at breakfast and a food at lunch.
    addChosen(true, QStringLiteral("鸡蛋饼"), QStringLiteral("150"));
    EXPECT_EQ(m_editor->actualText(0), "339.60");
    m_editor->mealButton(2)->click();
    EXPECT_EQ(m_editor->actualBox()->title(), "午餐营养物质实际值");
    addChosen(false, QStringLiteral("大米"), QStringLiteral("100"));
    EXPECT_EQ(lineTexts(m_editor->itemList()), (QStringList { "大米:100" }));
    click("savePlanButton", m_editor);
    EXPECT_EQ(m_prompts->lastText(), "保存成功");
    EXPECT_EQ(m_editor->daySelector()->currentText(), "周二");
    EXPECT_TRUE(m_editor->mealButton(0)->isChecked());
    EXPECT_EQ(m_editor->dateEdit()->date(), QDate(2026, 12, 15));

    // Tuesday: a food chosen at breakfast, a recommendation at the afternoon snack.
    addChosen(false, QStringLiteral("苹果"), QStringLiteral("100"));
    m_editor->mealButton(3)->click();
    ASSERT_EQ(m_editor->recommendationList()->count(), 1);
    EXPECT_EQ(m_editor->recommendationList()->item(0)->text(), "苹果:80");
    emit m_editor->recommendationList()->itemDoubleClicked(m_editor->recommendationList()->item(0));
    EXPECT_EQ(lineTexts(m_editor->itemList()), (QStringList { "苹果:80" }));
    click("savePlanButton", m_editor);
    EXPECT_EQ(m_editor->daySelector()->currentText(), "周三");
    click("leaveEditorButton", m_editor); // nothing unsaved: no question
    EXPECT_EQ(m_window->currentPage(), PageId::PlanList);
    ASSERT_EQ(m_list->planList()->rowCount(), 1);
    EXPECT_EQ(m_list->planList()->itemText(0, 2), "中班；小班");
    EXPECT_EQ(m_list->planList()->itemText(0, 5), "2026-12-14");
    EXPECT_EQ(m_list->planList()->itemText(0, 4), "系统管理员");

    // Reopened: Monday's breakfast; on Tuesday one food changed and one deleted.
    m_list->planList()->selectRow(0);
    click("modifyPlanButton", m_list);
    ASSERT_EQ(m_window->currentPage(), PageId::PlanEditor);
    EXPECT_EQ(lineTexts(m_editor->itemList()), (QStringList { "鸡蛋饼:150" }));
    m_editor->itemList()->selectRow(0);
    test::whenDialogOpens<CPackageCookEditDlg>([](CPackageCookEditDlg& dish) {
        EXPECT_EQ(dish.mealCombo(), nullptr);
        EXPECT_EQ(dish.totalEdit()->text(), "150.00");
        EXPECT_EQ(test::column(dish.foodList(), 0), (QStringList { "鸡蛋", "大米" }));
        dish.reject();
    });
    click("modifyItemButton", m_editor);
    EXPECT_EQ(m_editor->actualText(0), "339.60");
    m_editor->daySelector()->setCurrentIndex(1);
    emit m_editor->daySelector()->activated(1);
    m_editor->itemList()->selectRow(0);
    test::whenDialogOpens<CpackageFoodEditDlg>([](CpackageFoodEditDlg& food) {
        EXPECT_EQ(food.mealCombo(), nullptr); // the item stays in its meal time
        EXPECT_EQ(food.weightEdit()->text(), "100");
        food.weightEdit()->setText("120");
        food.okButton()->click();
    });
    click("modifyItemButton", m_editor);
    EXPECT_EQ(lineTexts(m_editor->itemList()), (QStringList { "苹果:120" }));
    EXPECT_EQ(m_editor->actualText(0), "64.80");
    m_editor->mealButton(3)->click();
    m_editor->itemList()->selectRow(0);
    click("deleteItemButton", m_editor);
    EXPECT_EQ(m_prompts->lastText(), "确定要删除吗？");
    EXPECT_EQ(m_editor->itemList()->rowCount(), 0);
    click("savePlanButton", m_editor);

    const std::vector<PlanItemRow> items = loadPlanItems(0);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].name, "鸡蛋饼");
    EXPECT_EQ(items[0].composition, "鸡蛋:90.00g；大米:60.00g；");
    EXPECT_EQ(items[1].meal, "午餐");
    EXPECT_EQ(items[2], (PlanItemRow { "苹果", "苹果:120g；", "周二", "早餐", "2026-12-15", "否", "120" }));
}

TEST_F(PlanningScreensTest, AChildsOneDayPlanTakesASetMealWithoutWhatTheChildCannotEat)
{
    m_list->newPlan();
    m_setup->nameEdit()->setText(QStringLiteral("李小红一日食谱"));
    m_setup->kindButton(0)->click();
    m_setup->classSelector()->setCurrentIndex(1);
    emit m_setup->classSelector()->activated(1);
    m_setup->childList()->selectRow(0);
    m_setup->cycleButton(0)->click();
    click("confirmSetupButton", m_setup);
    ASSERT_EQ(m_window->currentPage(), PageId::PlanEditor);
    EXPECT_EQ(m_editor->dailyText(0), "1300.00");

    m_prompts->queueAnswer(false); // leave out the egg dish
    test::whenDialogOpens<CYytcDlg>([](CYytcDlg& picker) {
        picker.setMealList()->selectRow(0);
        picker.okButton()->click();
    });
    click("applySetMealButton", m_editor);
    ASSERT_FALSE(m_prompts->texts().isEmpty());
    EXPECT_TRUE(m_prompts->lastText().contains(QStringLiteral("李小红")));
    EXPECT_TRUE(m_prompts->lastText().contains(QStringLiteral("鸡蛋")));
    EXPECT_EQ(m_editor->itemList()->rowCount(), 0); // breakfast shown, the dish left out
    m_editor->mealButton(1)->click();
    EXPECT_EQ(lineTexts(m_editor->itemList()), (QStringList { "苹果:100" }));

    m_prompts->queueAnswer(false); // the day is not saved yet: stay
    click("leaveEditorButton", m_editor);
    EXPECT_EQ(m_prompts->lastText(), "正在编辑的配餐还有未保存的修改，确定要放弃吗？");
    EXPECT_EQ(m_window->currentPage(), PageId::PlanEditor);
    EXPECT_EQ(m_editor->itemList()->rowCount(), 1);

    click("savePlanButton", m_editor);
    EXPECT_EQ(m_window->currentPage(), PageId::PlanList);
    EXPECT_FALSE(m_editor->editor().hasPlan());
    const std::optional<PlanRecord> plan = loadPlanRecord(0);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->archId, "26000002");
    EXPECT_EQ(plan->date, "2026-12-09");
    EXPECT_EQ(rows("SELECT COUNT(*) FROM PantryCook WHERE PcookWeek = '一天' AND PcookDate = '2026-12-09'"), 1);

    // Deleting asks first and then leaves no plan behind.
    m_list->planList()->selectRow(0);
    m_prompts->queueAnswer(false);
    click("deletePlanButton", m_list);
    EXPECT_EQ(m_list->planList()->rowCount(), 1);
    m_list->planList()->selectRow(0);
    click("deletePlanButton", m_list);
    EXPECT_EQ(m_list->planList()->rowCount(), 0);
    EXPECT_EQ(rows("SELECT COUNT(*) FROM PantryCook"), 0);
}

TEST_F(PlanningScreensTest, EachPlanButtonNeedsItsCodeAndActsOnlyOnASelectedPlan)
{
    m_folder.exec(PantryDb,
        "INSERT INTO PantryRecord VALUES('0', '小班一日食谱', '一天', '2026-12-08', '系统管理员', '团体', '小班', "
        "'2026-12-08', '');"
        "INSERT INTO PantryCook VALUES('0', '0', '苹果', '苹果:100g；', '一天', '早点', '2026-12-08', '否', '100');");
    m_folder.exec(SysManagerDb,
        "INSERT INTO ManageRolse VALUES(90, '保育员', '');"
            + test::accountRow(90, "nurse", "pw", "2026-02-01", "保育员", "启用", "保育员", ""));
    struct Case
    {
        const char* button;
        const char* code;
        const char* others; // every other code of the list
        PageId opens;
    };
    const Case cases[] = {
        { "newPlanButton", "C11", "C12；C13；C14；", PageId::PlanSetup },
        { "viewPlanButton", "C12", "C11；C13；C14；", PageId::MenuView },
        { "modifyPlanButton", "C13", "C11；C12；C14；", PageId::PlanEditor },
        { "deletePlanButton", "C14", "C11；C12；C13；", PageId::PlanList },
    };
    const QString noPermission = QStringLiteral("对不起！您没有操作该模块的权限！");
    for (const Case& c : cases) {
        for (const bool granted : { false, true }) {
            const std::string what = std::string(c.button) + (granted ? " granted" : " refused");
            m_folder.exec(SysManagerDb,
                std::string("UPDATE ManageRolse SET RolseContain = '") + c.others + (granted ? c.code : "")
                    + "' WHERE RolseID = 90;");
            test::logInAs("nurse", "pw");
            m_window.reset();
            m_window = std::make_unique<CLumarooDlg>();
            auto* list = m_window->pageAs<CYypcDlg>(PageId::PlanList);
            ASSERT_TRUE(list);
            navigator().openPlanList();
            ASSERT_EQ(list->planList()->rowCount(), 1);
            m_prompts->clear();

            // Nothing selected: view, modify and delete do nothing at all (no plan 0 behind them).
            list->planList()->clearSelection();
            click(c.button, list);
            const bool needsNoSelection = c.opens == PageId::PlanSetup;
            EXPECT_EQ(m_prompts->texts(), granted ? QStringList() : QStringList { noPermission }) << what;
            EXPECT_EQ(m_window->currentPage(), granted && needsNoSelection ? c.opens : PageId::PlanList) << what;

            navigator().openPlanList();
            list->planList()->selectRow(0);
            m_prompts->clear();
            m_prompts->queueAnswer(false); // the delete's question: keep the plan
            click(c.button, list);
            EXPECT_EQ(m_window->currentPage(), granted ? c.opens : PageId::PlanList) << what;
            if (granted && c.opens == PageId::PlanList) {
                EXPECT_EQ(m_prompts->texts(), QStringList { "确定要删除吗？" });
            }
        }
    }
    // The view shows the selected plan.
    EXPECT_EQ(rows("SELECT COUNT(*) FROM PantryRecord"), 1);
    auto* view = m_window->pageAs<CYypcViewDlg>(PageId::MenuView);
    ASSERT_TRUE(view);
    navigator().openPlanList();
    m_folder.exec(SysManagerDb, "UPDATE ManageRolse SET RolseContain = 'C12；' WHERE RolseID = 90;");
    m_window->pageAs<CYypcDlg>(PageId::PlanList)->refresh();
    m_window->pageAs<CYypcDlg>(PageId::PlanList)->planList()->selectRow(0);
    click("viewPlanButton", m_window->pageAs<CYypcDlg>(PageId::PlanList));
    EXPECT_EQ(view->planName(), "小班一日食谱");
}

} // namespace
