#include "gui/knowledge/CYysZsDlg.h"

#include "core/knowledge/NutrientKnowledge.h"
#include "gui/widgets/DatabaseError.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTreeWidget>

namespace pelinor {

namespace {

const char* const kBoxLabels[] = { "基本概述：", "食物来源：", "摄入量：", "过量症状：", "缺乏症状：", "适应人群：" };

} // namespace

CYysZsDlg::CYysZsDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_tree(new QTreeWidget(this))
{
    m_tree->setObjectName(QStringLiteral("knowledgeTree"));
    m_tree->setHeaderHidden(true);
    m_tree->setMinimumWidth(200);
    m_tree->setMaximumWidth(260);

    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(12);
    boxes->setVerticalSpacing(4);
    int index = 0;
    for (const char* label : kBoxLabels) {
        auto* box = new QPlainTextEdit(this);
        box->setReadOnly(true);
        box->setObjectName(QStringLiteral("knowledgeBox%1").arg(index));
        const int row = (index / 2) * 2;
        const int column = index % 2;
        boxes->addWidget(new QLabel(QString::fromUtf8(label), this), row, column);
        boxes->addWidget(box, row + 1, column);
        boxes->setRowStretch(row + 1, 1);
        m_boxes.append(box);
        ++index;
    }

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);
    layout->addWidget(m_tree);
    layout->addLayout(boxes, 1);

    connect(m_tree, &QTreeWidget::currentItemChanged, this,
        [this](QTreeWidgetItem* current, QTreeWidgetItem*) { showItem(current); });
}

void CYysZsDlg::showEvent(QShowEvent* event)
{
    // Read when first shown rather than when the main window builds its pages.
    if (!m_loaded) {
        reload();
    }
    CSkinPage::showEvent(event);
}

void CYysZsDlg::reload()
{
    std::vector<NutrientCategory> categories;
    if (!runDatabaseWork([&] { categories = nutrientCategories(); })) {
        return;
    }
    m_loaded = true;
    m_tree->clear();
    auto* root = new QTreeWidgetItem(m_tree, { QStringLiteral("营养素类别") });
    for (const NutrientCategory& category : categories) {
        auto* categoryItem = new QTreeWidgetItem(root, { qs(category.name) });
        for (const std::string& nutrient : category.nutrients) {
            new QTreeWidgetItem(categoryItem, { qs(nutrient) });
        }
    }
    root->setExpanded(true);
    selectNutrient(QStringLiteral("蛋白质"));
}

bool CYysZsDlg::selectNutrient(const QString& name)
{
    const auto found = m_tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    for (QTreeWidgetItem* item : found) {
        if (item->parent() && item->parent()->parent()) {
            m_tree->setCurrentItem(item);
            return true;
        }
    }
    return false;
}

void CYysZsDlg::showItem(QTreeWidgetItem* item)
{
    // The root and the categories describe nothing: the boxes keep what they show.
    if (!item || !item->parent() || !item->parent()->parent()) {
        return;
    }
    std::optional<NutrientDescription> description;
    if (!runDatabaseWork([&] { description = describeNutrient(ss(item->text(0))); }) || !description) {
        return;
    }
    const std::string* texts[] = { &description->overview, &description->sources, &description->intake,
        &description->excess, &description->deficiency, &description->suitableFor };
    for (int i = 0; i < m_boxes.size(); ++i) {
        m_boxes[i]->setPlainText(qs(*texts[i]));
    }
}

} // namespace pelinor
