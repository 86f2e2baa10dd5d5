#include "gui/planning/CYypcDhDlg.h"

#include "core/records/Classes.h"
#include "gui/navigation/Navigator.h"
#include "gui/planning/PlanningUi.h"
#include "gui/widgets/ActionButtons.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/FormLabel.h"
#include "gui/widgets/Refusals.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pelinor {

namespace {

constexpr std::array<const char*, 5> kShareLabels = { "早    餐", "早    点", "午    餐", "午    点", "晚    餐" };

CListCtrlCl* classList(const QString& objectName, QWidget* parent)
{
    auto* list = new CListCtrlCl(parent);
    list->setObjectName(objectName);
    list->setColumns({ QStringLiteral("班级") }, { 0 });
    list->setAlignmentString(QStringLiteral("0"));
    list->setSkinnedRowHeight();
    return list;
}

QStringList columnTexts(const CListCtrlCl* list)
{
    QStringList texts;
    for (int row = 0; row < list->rowCount(); ++row) {
        texts << list->itemText(row, 0);
    }
    return texts;
}

void uncheckAll(QButtonGroup* group)
{
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) {
        button->setChecked(false);
    }
    group->setExclusive(true);
}

} // namespace

CYypcDhDlg::CYypcDhDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_name(new QLineEdit(this))
    , m_kind(new QButtonGroup(this))
    , m_cycle(new QButtonGroup(this))
    , m_class(new QComboBox(this))
    , m_children(new CListCtrlCl(this))
    , m_available(classList(QStringLiteral("availableClassList"), this))
    , m_chosen(classList(QStringLiteral("chosenClassList"), this))
{
    setObjectName(QStringLiteral("CYypcDhDlg"));
    m_name->setObjectName(QStringLiteral("planNameEdit"));
    m_name->setMaximumWidth(320);
    m_class->setObjectName(QStringLiteral("classSelector"));
    m_class->setMinimumWidth(160);
    m_children->setObjectName(QStringLiteral("childList"));
    m_children->setColumns(
        { QStringLiteral("学号"), QStringLiteral("姓名"), QStringLiteral("档案号") }, { 80, 100, 0 });
    m_children->setAlignmentString(QStringLiteral("101"));
    m_children->setSkinnedRowHeight();

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(formLabel(QStringLiteral("配餐名称："), this));
    nameRow->addWidget(m_name, 1);
    nameRow->addSpacing(24);
    int id = 0;
    nameRow->addWidget(new QLabel(QStringLiteral("配餐对象："), this));
    for (const char* text : { "个人", "团体" }) {
        auto* button = new QRadioButton(QString::fromUtf8(text), this);
        button->setObjectName(id == 0 ? QStringLiteral("personalButton") : QStringLiteral("groupButton"));
        m_kind->addButton(button, id++);
        nameRow->addWidget(button);
    }
    nameRow->addSpacing(24);
    id = 0;
    nameRow->addWidget(new QLabel(QStringLiteral("周期："), this));
    for (const char* text : { "一天", "一周" }) {
        auto* button = new QRadioButton(QString::fromUtf8(text), this);
        button->setObjectName(id == 0 ? QStringLiteral("oneDayButton") : QStringLiteral("oneWeekButton"));
        m_cycle->addButton(button, id++);
        nameRow->addWidget(button);
    }
    nameRow->addStretch();

    auto* ok = actionButton(QStringLiteral("confirmSetupButton"), QStringLiteral("add"), QStringLiteral("确定"), this);
    auto* cancelButton
        = actionButton(QStringLiteral("cancelSetupButton"), QStringLiteral("cancel"), QStringLiteral("取消"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(10);
    layout->addLayout(nameRow);
    layout->addLayout(buildSubjects(), 1);
    layout->addLayout(buildShares());
    layout->addLayout(buttons);

    connect(m_kind->button(0), &QAbstractButton::clicked, this, &CYypcDhDlg::choosePersonal);
    connect(m_kind->button(1), &QAbstractButton::clicked, this, &CYypcDhDlg::chooseGroup);
    connect(m_class, &QComboBox::activated, this, &CYypcDhDlg::fillChildren);
    connect(ok, &QAbstractButton::clicked, this, &CYypcDhDlg::ConfirmPlanSetup);
    connect(cancelButton, &QAbstractButton::clicked, this, &CYypcDhDlg::cancel);
    ResetPlanSetup();
}

QLayout* CYypcDhDlg::buildSubjects()
{
    auto* personal = new QGroupBox(QStringLiteral("个人"), this);
    auto* personalLayout = new QVBoxLayout(personal);
    auto* classRow = new QHBoxLayout;
    classRow->addWidget(new QLabel(QStringLiteral("班级："), personal));
    classRow->addWidget(m_class, 1);
    personalLayout->addLayout(classRow);
    personalLayout->addWidget(m_children, 1);

    m_moveButtons = { arrowButton(QStringLiteral("addClassButton"), QStringLiteral("right"), this),
        arrowButton(QStringLiteral("addAllClassesButton"), QStringLiteral("right-all"), this),
        arrowButton(QStringLiteral("removeClassButton"), QStringLiteral("left"), this),
        arrowButton(QStringLiteral("removeAllClassesButton"), QStringLiteral("left-all"), this) };
    connect(m_moveButtons[0], &QAbstractButton::clicked, this, &CYypcDhDlg::addClass);
    connect(m_moveButtons[1], &QAbstractButton::clicked, this, &CYypcDhDlg::addAllClasses);
    connect(m_moveButtons[2], &QAbstractButton::clicked, this, &CYypcDhDlg::removeClass);
    connect(m_moveButtons[3], &QAbstractButton::clicked, this, &CYypcDhDlg::removeAllClasses);
    auto* arrows = new QVBoxLayout;
    arrows->addStretch();
    for (auto* button : m_moveButtons) {
        arrows->addWidget(button);
        arrows->addSpacing(6);
    }
    arrows->addStretch();

    auto* group = new QGroupBox(QStringLiteral("团体"), this);
    auto* groupLayout = new QHBoxLayout(group);
    groupLayout->addWidget(m_available, 1);
    groupLayout->addLayout(arrows);
    groupLayout->addWidget(m_chosen, 1);

    auto* row = new QHBoxLayout;
    row->addWidget(personal, 1);
    row->addSpacing(12);
    row->addWidget(group, 1);
    return row;
}

QLayout* CYypcDhDlg::buildShares()
{
    auto* box = new QGroupBox(QStringLiteral("供能比"), this);
    auto* row = new QHBoxLayout(box);
    for (int meal = 0; meal < 5; ++meal) {
        auto* edit = new QLineEdit(box);
        edit->setObjectName(QStringLiteral("shareEdit%1").arg(meal));
        edit->setFixedWidth(48);
        edit->setAlignment(Qt::AlignCenter);
        m_shares[static_cast<std::size_t>(meal)] = edit;
        row->addWidget(new QLabel(QString::fromUtf8(kShareLabels[static_cast<std::size_t>(meal)]), box));
        row->addWidget(edit);
        row->addWidget(new QLabel(QStringLiteral("%"), box));
        row->addSpacing(16);
        // Only what the user types is checked; the page's own resets are not.
        connect(edit, &QLineEdit::textEdited, this, [this, meal] { shareEdited(meal); });
    }
    row->addStretch();
    auto* layout = new QVBoxLayout;
    layout->addWidget(box);
    return layout;
}

QRadioButton* CYypcDhDlg::kindButton(int kind) const
{
    return static_cast<QRadioButton*>(m_kind->button(kind));
}

QRadioButton* CYypcDhDlg::cycleButton(int cycle) const
{
    return static_cast<QRadioButton*>(m_cycle->button(cycle));
}

void CYypcDhDlg::setGroupControlsEnabled(bool enabled)
{
    m_available->setEnabled(enabled);
    m_chosen->setEnabled(enabled);
    for (auto* button : m_moveButtons) {
        button->setEnabled(enabled);
    }
}

void CYypcDhDlg::setPersonalControlsEnabled(bool enabled)
{
    m_class->setEnabled(enabled);
    m_children->setEnabled(enabled);
}

void CYypcDhDlg::ResetPlanSetup()
{
    const auto classes = runDatabaseWork([] { return loadClassNames(); });
    m_class->clear();
    for (const auto& name : classes.value_or(std::vector<std::string> {})) {
        m_class->addItem(qs(name));
    }
    m_class->setCurrentIndex(m_class->count() > 0 ? 0 : -1);
    m_name->clear();
    m_children->clearRows();
    m_available->clearRows();
    m_chosen->clearRows();
    uncheckAll(m_kind);
    uncheckAll(m_cycle);
    setGroupControlsEnabled(true);
    setPersonalControlsEnabled(true);
    for (std::size_t meal = 0; meal < m_shares.size(); ++meal) {
        m_shares[meal]->setText(QString::fromUtf8(kDefaultShares[meal]));
    }
}

void CYypcDhDlg::startNew()
{
    ResetPlanSetup();
}

void CYypcDhDlg::choosePersonal()
{
    m_available->clearRows();
    m_chosen->clearRows();
    setGroupControlsEnabled(false);
    setPersonalControlsEnabled(true);
    m_class->setCurrentIndex(m_class->count() > 0 ? 0 : -1);
    fillChildren();
}

void CYypcDhDlg::chooseGroup()
{
    setPersonalControlsEnabled(false);
    setGroupControlsEnabled(true);
    m_chosen->clearRows();
    m_available->clearRows();
    const auto classes = runDatabaseWork([] { return loadClassNames(); });
    for (const auto& name : classes.value_or(std::vector<std::string> {})) {
        m_available->appendRow({ qs(name) });
    }
}

void CYypcDhDlg::fillChildren()
{
    m_children->clearRows();
    const auto children = runDatabaseWork([this] { return setupChildren(ss(m_class->currentText())); });
    for (const SetupChild& child : children.value_or(std::vector<SetupChild> {})) {
        m_children->appendRow({ qs(child.studentId), qs(child.name), qs(child.archId) });
    }
}

void CYypcDhDlg::moveClasses(const QStringList& names, bool toChosen)
{
    if (names.isEmpty()) {
        return;
    }
    QStringList available = columnTexts(m_available);
    QStringList chosen = columnTexts(m_chosen);
    if (toChosen) {
        // The classes just added go to the top of the chosen list.
        chosen = names + chosen;
        for (const QString& name : names) {
            available.removeOne(name);
        }
    } else {
        for (const QString& name : names) {
            chosen.removeOne(name);
        }
        available += names;
    }
    m_available->clearRows();
    for (const QString& name : available) {
        m_available->appendRow({ name });
    }
    m_chosen->clearRows();
    for (const QString& name : chosen) {
        m_chosen->appendRow({ name });
    }
}

void CYypcDhDlg::addClass()
{
    const int row = m_available->selectedRow();
    if (row >= 0) {
        moveClasses({ m_available->itemText(row, 0) }, true);
    }
}

void CYypcDhDlg::addAllClasses()
{
    moveClasses(columnTexts(m_available), true);
}

void CYypcDhDlg::removeClass()
{
    const int row = m_chosen->selectedRow();
    if (row >= 0) {
        moveClasses({ m_chosen->itemText(row, 0) }, false);
    }
}

void CYypcDhDlg::removeAllClasses()
{
    moveClasses(columnTexts(m_chosen), false);
}

void CYypcDhDlg::shareEdited(int meal)
{
    if (const auto refusal = shareTextRefusal(ss(m_shares[static_cast<std::size_t>(meal)]->text()))) {
        showRefusal(refuse(*refusal));
    }
}

PlanSetupInput CYypcDhDlg::input() const
{
    PlanSetupInput input;
    input.name = ss(m_name->text());
    input.kind = m_kind->checkedId();
    input.cycle = m_cycle->checkedId();
    for (std::size_t meal = 0; meal < m_shares.size(); ++meal) {
        input.shares[meal] = ss(m_shares[meal]->text());
    }
    const int child = m_children->selectedRow();
    if (child >= 0) {
        input.child = SetupChild { ss(m_children->itemText(child, 0)), ss(m_children->itemText(child, 1)),
            ss(m_children->itemText(child, 2)) };
    }
    for (const QString& name : columnTexts(m_chosen)) {
        input.chosenClasses.push_back(ss(name));
    }
    return input;
}

void CYypcDhDlg::ConfirmPlanSetup()
{
    const Outcome<PlanDefinition> definition = pelinor::ConfirmPlanSetup(input());
    if (!definition) {
        showRefusal(definition.refusal());
        return;
    }
    startPlanEditor(*definition);
}

void CYypcDhDlg::cancel()
{
    ResetPlanSetup();
    navigator().openPlanList();
}

} // namespace pelinor
