#pragma once

#include "../../core/library/LibraryTestData.h"
#include "../GuiTestSupport.h"
#include "../library/ModalDialog.h"

#include <QTreeWidget>
#include <string>

namespace pelinor::test {

// The set-meal screens' fixture: a small library of foods and dishes. Two second-level food
// categories share the name "其他" under different parents.
class SetMealScreensTest : public GuiTest
{
protected:
    SetMealScreensTest()
        : GuiTest(DataFolderContent::TablesOnly)
    {
        m_folder.exec(CookDb,
            "INSERT INTO FoodType VALUES(1,0,'谷类'),(2,0,'水果类'),(22,1,'稻米'),(23,1,'其他'),(24,2,'其他');"
                + foodShowRow(1, 1, 22, "大米", energyOnly(346)) + foodShowRow(2, 1, 22, "小米", energyOnly(358))
                + foodShowRow(3, 1, 23, "燕麦", energyOnly(367)) + foodShowRow(4, 2, 24, "香蕉", energyOnly(93))
                + foodShowRow(5, 2, 24, "盐", energyOnly(0))
                + "INSERT INTO CookType VALUES(1,0,'儿童膳食'),(2,1,'儿童主食');"
                  "INSERT INTO CookShow(CookID, CookName, CookCategory, CookFoods, CookWeight) "
                  "VALUES(4, '儿童粥', '儿童主食', '大米:30g；小米:10g；', 41);"
                  "INSERT INTO CookFood VALUES(6, 4, 1, '主料', '30'), (7, 4, 2, '主料', '10'), (8, 4, 5, '调料', "
                  "'1');");
    }

    // The tree item of that text under the item of `parentText`.
    static QTreeWidgetItem* treeItem(QTreeWidget* tree, const QString& parentText, const QString& text)
    {
        for (QTreeWidgetItem* item : tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive)) {
            if (item->parent() && item->parent()->text(0) == parentText) {
                return item;
            }
        }
        return nullptr;
    }
};

} // namespace pelinor::test
