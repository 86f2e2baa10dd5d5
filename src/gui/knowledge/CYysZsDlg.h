#pragma once

#include "gui/widgets/CSkinPage.h"

#include <QList>

class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace pelinor {

// The nutrient knowledge page (营养知识): a tree of nutrient categories and nutrients, and six
// read-only boxes that describe the selected nutrient. It opens on 蛋白质.
class CYysZsDlg : public CSkinPage
{
    Q_OBJECT

public:
    explicit CYysZsDlg(QWidget* parent = nullptr);

    // Reads the tree again from the nutrient file and shows 蛋白质.
    void reload();
    // Selects the nutrient of that name in the tree; false when the tree has none.
    bool selectNutrient(const QString& name);

    QTreeWidget* tree() const
    {
        return m_tree;
    }
    // The six boxes in their order: 基本概述, 食物来源, 摄入量, 过量症状, 缺乏症状, 适应人群.
    const QList<QPlainTextEdit*>& boxes() const
    {
        return m_boxes;
    }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showItem(QTreeWidgetItem* item);

    QTreeWidget* m_tree;
    QList<QPlainTextEdit*> m_boxes;
    bool m_loaded = false;
};

} // namespace pelinor
