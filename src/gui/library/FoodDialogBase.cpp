#include "gui/library/FoodDialogBase.h"

#include "core/common/AppInfo.h"
#include "core/library/FoodCategories.h"
#include "gui/library/LibraryScreens.h"
#include "gui/library/NutrientBoxGrid.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/FormLabel.h"
#include "gui/widgets/Prompter.h"
#include "gui/widgets/Refusals.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelinor {

namespace {

constexpr int kTextBoxHeight = 52;

} // namespace

FoodDialogBase::FoodDialogBase(const QString& title, QWidget* parent)
    : QDialog(parent)
    , m_topCategory(new QComboBox(this))
    , m_subCategory(new QComboBox(this))
    , m_name(lineBox(QStringLiteral("foodNameEdit"), this))
    , m_gongxiao(textBox(kTextBoxHeight, QStringLiteral("gongxiaoEdit"), this))
    , m_tiaoxuan(textBox(kTextBoxHeight, QStringLiteral("tiaoxuanEdit"), this))
    , m_chucang(textBox(kTextBoxHeight, QStringLiteral("chucangEdit"), this))
    , m_xingwei(textBox(kTextBoxHeight, QStringLiteral("xingweiEdit"), this))
    , m_jieshao(textBox(kTextBoxHeight, QStringLiteral("jieshaoEdit"), this))
    , m_goesWell(lineBox(QStringLiteral("goesWellEdit"), this))
    , m_goesWellNotes(lineBox(QStringLiteral("goesWellNotesEdit"), this))
    , m_incompatible(lineBox(QStringLiteral("incompatibleEdit"), this))
    , m_incompatibleNotes(lineBox(QStringLiteral("incompatibleNotesEdit"), this))
    , m_nutrients(new NutrientBoxGrid(true, 4, this))
    , m_ok(new QPushButton(QStringLiteral("确定"), this))
    , m_cancel(new QPushButton(QStringLiteral("取消"), this))
{
    setWindowTitle(title);
    m_topCategory->setObjectName(QStringLiteral("topCategoryCombo"));
    m_subCategory->setObjectName(QStringLiteral("subCategoryCombo"));
    m_topCategory->setMinimumWidth(150);
    m_subCategory->setMinimumWidth(130);
    m_name->setMinimumWidth(180);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_ok->setDefault(true);

    auto* head = new QHBoxLayout;
    head->addWidget(formLabel(QStringLiteral("顶层分类："), this));
    head->addWidget(m_topCategory);
    head->addSpacing(12);
    head->addWidget(formLabel(QStringLiteral("上级分类："), this));
    head->addWidget(m_subCategory);
    head->addSpacing(12);
    head->addWidget(formLabel(QStringLiteral("原料名称："), this));
    head->addWidget(m_name, 1);

    auto* texts = new QGridLayout;
    texts->addWidget(formLabel(QStringLiteral("食用功效："), this), 0, 0);
    texts->addWidget(m_gongxiao, 0, 1);
    texts->addWidget(formLabel(QStringLiteral("原料挑选："), this), 0, 2);
    texts->addWidget(m_tiaoxuan, 0, 3);
    texts->addWidget(formLabel(QStringLiteral("原料储藏："), this), 1, 0);
    texts->addWidget(m_chucang, 1, 1);
    texts->addWidget(formLabel(QStringLiteral("性味功效："), this), 1, 2);
    texts->addWidget(m_xingwei, 1, 3);
    texts->addWidget(formLabel(QStringLiteral("原料介绍："), this), 2, 0);
    texts->addWidget(m_jieshao, 2, 1, 1, 3);
    texts->addWidget(formLabel(QStringLiteral("食物相宜："), this), 3, 0);
    texts->addWidget(m_goesWell, 3, 1);
    texts->addWidget(formLabel(QStringLiteral("相宜介绍："), this), 3, 2);
    texts->addWidget(m_goesWellNotes, 3, 3);
    texts->addWidget(formLabel(QStringLiteral("食物相克："), this), 4, 0);
    texts->addWidget(m_incompatible, 4, 1);
    texts->addWidget(formLabel(QStringLiteral("相克介绍："), this), 4, 2);
    texts->addWidget(m_incompatibleNotes, 4, 3);
    texts->setColumnStretch(1, 1);
    texts->setColumnStretch(3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    layout->addLayout(head);
    layout->addWidget(m_nutrients);
    layout->addLayout(texts);
    layout->addLayout(buttons);
    setMinimumWidth(780);

    runDatabaseWork([&] { fillCategoryCombo(m_topCategory, foodTopCategories()); });
    connect(m_topCategory, &QComboBox::currentIndexChanged, this, &FoodDialogBase::fillSubCategories);
    connect(m_ok, &QPushButton::clicked, this, &FoodDialogBase::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QComboBox* FoodDialogBase::topCategoryCombo() const
{
    return m_topCategory;
}

QComboBox* FoodDialogBase::subCategoryCombo() const
{
    return m_subCategory;
}

QLineEdit* FoodDialogBase::nameEdit() const
{
    return m_name;
}

NutrientBoxGrid* FoodDialogBase::nutrientBoxes() const
{
    return m_nutrients;
}

QPushButton* FoodDialogBase::okButton() const
{
    return m_ok;
}

int FoodDialogBase::savedSubCategory() const
{
    return m_savedSubCategory;
}

FoodForm FoodDialogBase::form() const
{
    FoodForm form;
    form.topId = m_topCategory->currentIndex() < 0 ? 0 : m_topCategory->currentData().toInt();
    form.subCategoryName = m_subCategory->currentIndex() < 0 ? std::string() : ss(m_subCategory->currentText());
    form.name = ss(m_name->text());
    form.gongxiao = ss(m_gongxiao->toPlainText());
    form.tiaoxuan = ss(m_tiaoxuan->toPlainText());
    form.chucang = ss(m_chucang->toPlainText());
    form.xingwei = ss(m_xingwei->toPlainText());
    form.jieshao = ss(m_jieshao->toPlainText());
    form.goesWellWith = ss(m_goesWell->text());
    form.goesWellNotes = ss(m_goesWellNotes->text());
    form.incompatibleWith = ss(m_incompatible->text());
    form.incompatibleNotes = ss(m_incompatibleNotes->text());
    form.nutrients = m_nutrients->values();
    return form;
}

void FoodDialogBase::setForm(const FoodForm& form, int subPosition)
{
    m_topCategory->setCurrentIndex(m_topCategory->findData(form.topId));
    m_subCategory->setCurrentIndex(subPosition);
    m_name->setText(qs(form.name));
    m_gongxiao->setPlainText(qs(form.gongxiao));
    m_tiaoxuan->setPlainText(qs(form.tiaoxuan));
    m_chucang->setPlainText(qs(form.chucang));
    m_xingwei->setPlainText(qs(form.xingwei));
    m_jieshao->setPlainText(qs(form.jieshao));
    m_goesWell->setText(qs(form.goesWellWith));
    m_goesWellNotes->setText(qs(form.goesWellNotes));
    m_incompatible->setText(qs(form.incompatibleWith));
    m_incompatibleNotes->setText(qs(form.incompatibleNotes));
    m_nutrients->setValues(form.nutrients);
}

void FoodDialogBase::accept()
{
    if (const auto bad = m_nutrients->firstInvalidBox()) {
        prompter().warn(QStringLiteral("请输入一个数字。"), QString::fromUtf8(kApplicationTitle));
        m_nutrients->box(*bad)->setFocus();
        m_nutrients->box(*bad)->selectAll();
        return;
    }
    const auto outcome = runChange([&] { return save(form()); });
    if (!outcome) {
        return;
    }
    m_savedSubCategory = outcome->value();
    QDialog::accept();
}

void FoodDialogBase::fillSubCategories(int topIndex)
{
    m_subCategory->clear();
    if (topIndex >= 0) {
        const int topId = m_topCategory->itemData(topIndex).toInt();
        runDatabaseWork([&] { fillCategoryCombo(m_subCategory, foodSubCategories(topId)); });
    }
}

} // namespace pelinor
