#include "../../core/library/LibraryTestData.h"
#include "LibraryScreensTest.h"
#include "ModalDialog.h"
#include "gui/library/CCookFoodAddDlg.h"
#include "gui/library/CFoodAddDlg.h"
#include "gui/library/CFoodCAddDlg.h"
#include "gui/library/CFoodCEditDlg.h"
#include "gui/library/CFoodEditDlg.h"
#include "gui/library/CFoodMageDlg.h"
#include "gui/library/NutrientBoxGrid.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/FakePrompter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace pelinor;
using namespace pelinor::test;

namespace {

class FoodScreensTest : public LibraryScreensTest
{
protected:
    void SetUp() override
    {
        m_folder.exec(CookDb, foodCategoryRows() + foodShowRow(1, 1, 10, "大米", energyOnly(346)));
    }

    static QStringList namesIn(const CListCtrlCl* list)
    {
        return column(list, 0);
    }

    static int rowNamed(const CListCtrlCl* list, const QString& name)
    {
        return static_cast<int>(namesIn(list).indexOf(name));
    }
};

} // namespace

TEST_F(FoodScreensTest, AFoodIsAddedEditedAndDeletedThroughThePage)
{
    CFoodMageDlg page;
    EXPECT_EQ(namesIn(page.foodList()), QStringList { "大米" });

    whenDialogOpens<CFoodAddDlg>([this](CFoodAddDlg& dialog) {
        dialog.topCategoryCombo()->setCurrentIndex(0);
        dialog.subCategoryCombo()->setCurrentIndex(0);
        dialog.nameEdit()->setText("小米");
        dialog.nutrientBoxes()->box(0)->setText("3S8"); // a slip of the finger: no number
        dialog.okButton()->click();
        EXPECT_EQ(m_prompts->lastText(), "请输入一个数字。");
        ASSERT_TRUE(dialog.isVisible());

        dialog.nutrientBoxes()->box(0)->setText("358");
        dialog.nameEdit()->setText("大米");
        dialog.okButton()->click();
        EXPECT_EQ(m_prompts->lastText(), "该原料已经存在！");
        EXPECT_EQ(m_prompts->lastCaption(), "Pelinor");
        ASSERT_TRUE(dialog.isVisible());

        dialog.nameEdit()->setText("小米");
        dialog.okButton()->click();
    });
    page.onAddFood();
    EXPECT_EQ(namesIn(page.foodList()), (QStringList { "大米", "小米" })); // the new food's category
    EXPECT_EQ(rowsOf(CookDb, "SELECT FoodName, FoodEnergy, FoodInitial FROM FoodShow WHERE FoodID = 2"),
        (Rows { { "小米", "358.0", "X" } }));

    page.foodList()->selectRow(rowNamed(page.foodList(), "小米"));
    whenDialogOpens<CFoodEditDlg>([this](CFoodEditDlg& dialog) {
        EXPECT_EQ(dialog.nutrientBoxes()->box(0)->text(), "358");
        EXPECT_EQ(dialog.subCategoryCombo()->currentText(), "米类");
        dialog.nameEdit()->setText("大米");
        dialog.okButton()->click();
        EXPECT_EQ(m_prompts->lastText(), "该原料已经存在！");
        ASSERT_TRUE(dialog.isVisible());

        dialog.nameEdit()->setText("小米（黄）");
        dialog.topCategoryCombo()->setCurrentIndex(1);
        dialog.subCategoryCombo()->setCurrentIndex(0);
        dialog.okButton()->click();
    });
    page.onEditFood();
    EXPECT_EQ(namesIn(page.foodList()), QStringList { "小米（黄）" }); // now listed under 叶菜
    EXPECT_EQ(
        rowsOf(CookDb, "SELECT FoodID, FoodBigTypeID, FoodSmallTypeID FROM FoodShow WHERE FoodName = '小米（黄）'"),
        (Rows { { "2", "2", "20" } }));

    m_prompts->queueAnswer(false);
    page.foodList()->selectRow(0);
    page.onDeleteFood();
    EXPECT_EQ(m_prompts->lastText(), "确定要删除吗？");
    EXPECT_EQ(namesIn(page.foodList()), QStringList { "小米（黄）" });

    page.foodList()->selectRow(0);
    page.onDeleteFood();
    EXPECT_TRUE(namesIn(page.foodList()).isEmpty());
    EXPECT_EQ(rowsOf(CookDb, "SELECT FoodName FROM FoodShow"), (Rows { { "大米" } }));
}

TEST_F(FoodScreensTest, CategoryButtonsNeedASelectionAndKeepFullCategories)
{
    CFoodMageDlg page;
    QTreeWidget* tree = page.categoryTree();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    EXPECT_EQ(root->text(0), "原料类别");
    EXPECT_TRUE(root->isExpanded());

    tree->setCurrentItem(root);
    page.onDeleteCategory();
    page.onEditCategory();
    EXPECT_EQ(m_prompts->texts(), (QStringList { "请选择原料类别", "请选择要修改项" }));

    m_prompts->clear();
    tree->setCurrentItem(root->child(0)->child(0)); // 米类 holds 大米
    page.onDeleteCategory();
    EXPECT_EQ(m_prompts->texts(), QStringList { "选中类别包含子项目数据，请先删除各子项目数据！" });

    whenDialogOpens<CFoodCAddDlg>([this](CFoodCAddDlg& dialog) {
        dialog.parentCombo()->setCurrentIndex(0);
        dialog.nameEdit()->setText("米类");
        dialog.okButton()->click();
        EXPECT_EQ(m_prompts->lastText(), "该类别已经存在！");
        EXPECT_TRUE(dialog.nameEdit()->text().isEmpty());
        dialog.nameEdit()->setText("面类");
        dialog.okButton()->click();
    });
    page.onAddCategory();
    root = tree->topLevelItem(0);
    ASSERT_EQ(root->child(0)->childCount(), 2);
    EXPECT_EQ(root->child(0)->child(1)->text(0), "面类");

    m_prompts->clear();
    tree->setCurrentItem(root->child(0)->child(1));
    page.onDeleteCategory();
    EXPECT_EQ(m_prompts->texts(), QStringList { "您确定要删除？" });
    EXPECT_EQ(tree->topLevelItem(0)->child(0)->childCount(), 1);
}

TEST(NutrientBoxTest, BoxesTakeSinglePrecisionNumbersAndNothingElse)
{
    struct Case
    {
        QString text;
        std::optional<float> value;
    };
    const Case cases[] = {
        { "", 0.0f }, { " 12.5 ", 12.5f }, { "0.078", 0.078f }, { "-1", -1.0f }, { "1e3", 1000.0f },
        { "12,5", std::nullopt }, { "abc", std::nullopt }, { "1.2.3", std::nullopt }, { "inf", std::nullopt },
        { "1e40", std::nullopt }, // beyond single precision
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NutrientBoxGrid::numberOf(c.text), c.value) << c.text.toStdString();
    }
}

TEST_F(FoodScreensTest, CategoriesAreKnownByTheirNumberAfterATopLevelCategoryIsDeleted)
{
    // 谷类 (1) deleted once it was empty: the top-level numbers now start at 2 and have a gap.
    m_folder.exec(CookDb,
        "DELETE FROM FoodShow; DELETE FROM FoodType WHERE FoodTypeID IN (1, 10);"
        "INSERT INTO FoodType VALUES(4,0,'油脂类');"
        "INSERT INTO FoodType VALUES(40,4,'植物油');"
        "INSERT INTO FoodType VALUES(41,4,'动物油');"
            + foodShowRow(7, 4, 40, "花生油", energyOnly(899)) + foodShowRow(8, 2, 20, "菠菜", energyOnly(24)));

    {
        CFoodEditDlg dialog(QStringLiteral("花生油"));
        EXPECT_EQ(dialog.topCategoryCombo()->currentText(), "油脂类");
        EXPECT_EQ(dialog.subCategoryCombo()->currentText(), "植物油");
        dialog.okButton()->click();
        EXPECT_TRUE(m_prompts->texts().isEmpty()) << m_prompts->lastText().toStdString();
    }
    {
        CFoodEditDlg dialog(QStringLiteral("菠菜"));
        EXPECT_EQ(dialog.topCategoryCombo()->currentText(), "蔬菜类");
        EXPECT_EQ(dialog.subCategoryCombo()->currentText(), "叶菜");
        // Moved to the other top-level category through the drop-down lists.
        dialog.topCategoryCombo()->setCurrentIndex(dialog.topCategoryCombo()->findText("油脂类"));
        dialog.subCategoryCombo()->setCurrentIndex(dialog.subCategoryCombo()->findText("动物油"));
        dialog.okButton()->click();
    }
    EXPECT_EQ(rowsOf(CookDb, "SELECT FoodName, FoodBigTypeID, FoodSmallTypeID FROM FoodShow ORDER BY FoodID"),
        (Rows { { "花生油", "4", "40" }, { "菠菜", "4", "41" } }));

    {
        CFoodCEditDlg dialog(QStringLiteral("动物油"), QStringLiteral("油脂类"));
        EXPECT_EQ(dialog.parentCombo()->currentText(), "油脂类");
        dialog.parentCombo()->setCurrentIndex(dialog.parentCombo()->findText("蔬菜类"));
        dialog.okButton()->click();
    }
    EXPECT_EQ(rowsOf(CookDb, "SELECT FoodTypePID FROM FoodType WHERE FoodTypeID = 41"), (Rows { { "2" } }));
    EXPECT_EQ(rowsOf(CookDb, "SELECT FoodBigTypeID FROM FoodShow WHERE FoodID = 8"), (Rows { { "2" } }));

    // The dish's ingredient chooser: the foods of the category chosen, nothing before a choice.
    CCookFoodAddDlg chooser;
    chooser.topCategoryCombo()->setCurrentIndex(chooser.topCategoryCombo()->findText("油脂类"));
    EXPECT_EQ(chooser.subCategoryCombo()->currentIndex(), -1);
    EXPECT_EQ(chooser.foodList()->rowCount(), 0);
    chooser.subCategoryCombo()->setCurrentIndex(chooser.subCategoryCombo()->findText("植物油"));
    EXPECT_EQ(column(chooser.foodList(), 0), QStringList { "花生油" });
    chooser.topCategoryCombo()->setCurrentIndex(chooser.topCategoryCombo()->findText("蔬菜类"));
    EXPECT_EQ(chooser.foodList()->rowCount(), 0);
}

TEST_F(FoodScreensTest, TheTreeShowsTheLongestCategoryWhole)
{
    m_folder.exec(CookDb,
        "INSERT INTO FoodType VALUES(3,0,'水果类');"
        "INSERT INTO FoodType VALUES(30,3,'热带及亚热带水果');");
    CFoodMageDlg page;
    page.resize(1000, 600);
    page.show();
    QTreeWidget* tree = page.categoryTree();
    const auto found = tree->findItems(QStringLiteral("热带及亚热带水果"), Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(found.size(), 1);
    tree->expandAll();
    QApplication::processEvents();
    const QRect shown = tree->visualItemRect(found.first());
    const int textEnd = shown.left() + tree->fontMetrics().horizontalAdvance(found.first()->text(0));
    EXPECT_LE(textEnd, tree->viewport()->width());
    // The list keeps the larger share of the page.
    EXPECT_GT(page.foodList()->width(), tree->width());
}
