#include "gui/records/CBjSetDlg.h"

#include "core/records/Classes.h"
#include "gui/navigation/Navigator.h"
#include "gui/records/CBjEditDlg.h"
#include "gui/records/CBjPerSonDlg.h"
#include "gui/widgets/ActionButtons.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/CPictureButton.h"
#include "gui/widgets/ComboBoxes.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Prompter.h"
#include "gui/widgets/Refusals.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace pelinor {

namespace {

// Each child row carries its archive number, which is what the move goes by.
constexpr int kArchIdRole = Qt::UserRole + 1;

CListCtrlCl* childList(const QString& objectName, QWidget* parent)
{
    auto* list = new CListCtrlCl(parent);
    list->setObjectName(objectName);
    list->setColumns({ QStringLiteral("姓名") }, { 0 });
    list->setAlignmentString(QStringLiteral("0"));
    list->setSkinnedRowHeight();
    return list;
}

void insertChild(CListCtrlCl* list, int row, const QString& name, const QString& archId)
{
    list->insertRow(row);
    list->setItemText(row, 0, name);
    list->item(row, 0)->setData(kArchIdRole, archId);
    list->setRowHeight(row, CListCtrlCl::kSkinnedRowHeight);
}

} // namespace

CBjSetDlg::CBjSetDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_classes(new CListCtrlCl(this))
    , m_source(new QComboBox(this))
    , m_target(new QComboBox(this))
    , m_sourceChildren(childList(QStringLiteral("sourceChildren"), this))
    , m_movedChildren(childList(QStringLiteral("movedChildren"), this))
{
    m_classes->setObjectName(QStringLiteral("classList"));
    m_classes->setColumns({ QStringLiteral("班级名称") }, { 0 });
    m_classes->setAlignmentString(QStringLiteral("0"));
    m_classes->setSkinnedRowHeight();
    m_classes->setMaximumWidth(260);
    m_source->setObjectName(QStringLiteral("sourceClassCombo"));
    m_target->setObjectName(QStringLiteral("targetClassCombo"));
    m_source->setMinimumWidth(150);
    m_target->setMinimumWidth(150);

    // The class buttons first, then the move area, so that Tab visits them in this order.
    auto* buttons = buildButtons();
    auto* move = buildForm();

    auto* body = new QHBoxLayout;
    body->addWidget(m_classes);
    body->addSpacing(12);
    body->addLayout(move, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addLayout(body, 1);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    connect(m_source, &QComboBox::activated, this, &CBjSetDlg::chooseSourceClass);

    refresh();
}

QHBoxLayout* CBjSetDlg::buildButtons()
{
    auto* add = actionButton(QStringLiteral("addClassButton"), QStringLiteral("add"), QStringLiteral("添加班级"), this);
    auto* edit
        = actionButton(QStringLiteral("editClassButton"), QStringLiteral("edit"), QStringLiteral("修改班级"), this);
    auto* remove
        = actionButton(QStringLiteral("deleteClassButton"), QStringLiteral("delete"), QStringLiteral("删除班级"), this);
    auto* apply
        = actionButton(QStringLiteral("applyMoveButton"), QStringLiteral("move"), QStringLiteral("确定调整"), this);
    auto* members = actionButton(
        QStringLiteral("classMembersButton"), QStringLiteral("people"), QStringLiteral("班级成员"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(edit);
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(apply);
    buttons->addWidget(members);
    connect(add, &QAbstractButton::clicked, this, &CBjSetDlg::addClass);
    connect(edit, &QAbstractButton::clicked, this, &CBjSetDlg::editClass);
    connect(remove, &QAbstractButton::clicked, this, &CBjSetDlg::deleteClass);
    connect(apply, &QAbstractButton::clicked, this, &CBjSetDlg::applyMove);
    connect(members, &QAbstractButton::clicked, this, &CBjSetDlg::openClassMembers);
    return buttons;
}

QGridLayout* CBjSetDlg::buildForm()
{
    auto* across = arrowButton(QStringLiteral("moveOneButton"), QStringLiteral("right"), this);
    auto* allAcross = arrowButton(QStringLiteral("moveAllButton"), QStringLiteral("right-all"), this);
    auto* back = arrowButton(QStringLiteral("moveBackOneButton"), QStringLiteral("left"), this);
    auto* allBack = arrowButton(QStringLiteral("moveBackAllButton"), QStringLiteral("left-all"), this);
    auto* arrows = new QVBoxLayout;
    arrows->addStretch();
    for (auto* button : { across, allAcross, back, allBack }) {
        arrows->addWidget(button);
        arrows->addSpacing(6);
    }
    arrows->addStretch();
    connect(across, &QAbstractButton::clicked, this, &CBjSetDlg::moveSelectedAcross);
    connect(allAcross, &QAbstractButton::clicked, this, &CBjSetDlg::moveAllAcross);
    connect(back, &QAbstractButton::clicked, this, &CBjSetDlg::moveSelectedBack);
    connect(allBack, &QAbstractButton::clicked, this, &CBjSetDlg::moveAllBack);

    auto* move = new QGridLayout;
    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(new QLabel(QStringLiteral("调整班级："), this));
    sourceRow->addWidget(m_source, 1);
    auto* targetRow = new QHBoxLayout;
    targetRow->addWidget(new QLabel(QStringLiteral("目标班级："), this));
    targetRow->addWidget(m_target, 1);
    move->addLayout(sourceRow, 0, 0);
    move->addLayout(targetRow, 0, 2);
    move->addWidget(m_sourceChildren, 1, 0);
    move->addLayout(arrows, 1, 1);
    move->addWidget(m_movedChildren, 1, 2);
    move->setColumnStretch(0, 1);
    move->setColumnStretch(2, 1);
    return move;
}

void CBjSetDlg::refresh()
{
    m_sourceChildren->clearRows();
    m_movedChildren->clearRows();
    fillClasses();
}

CListCtrlCl* CBjSetDlg::classList() const
{
    return m_classes;
}

QComboBox* CBjSetDlg::sourceCombo() const
{
    return m_source;
}

QComboBox* CBjSetDlg::targetCombo() const
{
    return m_target;
}

CListCtrlCl* CBjSetDlg::sourceChildren() const
{
    return m_sourceChildren;
}

CListCtrlCl* CBjSetDlg::movedChildren() const
{
    return m_movedChildren;
}

void CBjSetDlg::fillClasses()
{
    const auto names = runDatabaseWork([] { return loadClassNames(); });
    if (!names) {
        return;
    }
    m_classes->clearRows();
    for (const auto& name : *names) {
        m_classes->appendRow({ qs(name) });
    }
    fillCombo(m_source, *names, -1);
    fillCombo(m_target, *names, -1);
}

void CBjSetDlg::addClass()
{
    if (CBjEditDlg::addClass(this)) {
        refresh();
    }
}

void CBjSetDlg::editClass()
{
    const int row = m_classes->selectedRow();
    if (row < 0) {
        showMessage(QStringLiteral("请选择修改班级！"));
        return;
    }
    if (CBjEditDlg::renameClass(m_classes->itemText(row, 0), this)) {
        refresh();
    }
}

void CBjSetDlg::deleteClass()
{
    const int row = m_classes->selectedRow();
    if (row < 0) {
        showMessage(QStringLiteral("请选择要删除的班级！"));
        return;
    }
    if (!prompter().confirm(QStringLiteral("确定要删除吗？"), QStringLiteral("系统提示！"))) {
        return;
    }
    const std::string name = ss(m_classes->itemText(row, 0));
    if (!runChange([&] { return pelinor::deleteClass(name); })) {
        return;
    }
    refresh();
}

void CBjSetDlg::chooseSourceClass()
{
    m_sourceChildren->clearRows();
    if (m_source->currentIndex() < 0) {
        return;
    }
    const auto children = runDatabaseWork([&] { return childrenOfClass(ss(m_source->currentText())); });
    if (!children) {
        return;
    }
    for (const auto& child : *children) {
        insertChild(m_sourceChildren, m_sourceChildren->rowCount(), qs(child.name), qs(child.archId));
    }
}

void CBjSetDlg::moveRow(CListCtrlCl* from, CListCtrlCl* to)
{
    const int row = from->selectedRow();
    if (row < 0) {
        return;
    }
    const QTableWidgetItem* item = from->item(row, 0);
    insertChild(to, 0, item->text(), item->data(kArchIdRole).toString());
    from->removeRow(row);
}

void CBjSetDlg::moveAll(CListCtrlCl* from, CListCtrlCl* to)
{
    for (int row = 0; row < from->rowCount(); ++row) {
        const QTableWidgetItem* item = from->item(row, 0);
        insertChild(to, to->rowCount(), item->text(), item->data(kArchIdRole).toString());
    }
    from->clearRows();
}

void CBjSetDlg::moveSelectedAcross()
{
    moveRow(m_sourceChildren, m_movedChildren);
}

void CBjSetDlg::moveAllAcross()
{
    moveAll(m_sourceChildren, m_movedChildren);
}

void CBjSetDlg::moveSelectedBack()
{
    moveRow(m_movedChildren, m_sourceChildren);
}

void CBjSetDlg::moveAllBack()
{
    moveAll(m_movedChildren, m_sourceChildren);
}

void CBjSetDlg::applyMove()
{
    const QString target = m_target->currentIndex() < 0 ? QString() : m_target->currentText();
    const QString source = m_source->currentIndex() < 0 ? QString() : m_source->currentText();
    std::vector<std::string> archIds;
    for (int row = 0; row < m_movedChildren->rowCount(); ++row) {
        archIds.push_back(ss(m_movedChildren->item(row, 0)->data(kArchIdRole).toString()));
    }
    if (!runChange([&] { return moveChildren(ss(source), ss(target), archIds); })) {
        return;
    }
    m_sourceChildren->clearRows();
    m_movedChildren->clearRows();
    m_source->setCurrentIndex(-1);
    m_target->setCurrentIndex(-1);
}

void CBjSetDlg::openClassMembers()
{
    if (auto* members = navigator().pageAs<CBjPerSonDlg>(PageId::ClassMembers)) {
        members->refresh();
    }
    navigator().showPage(PageId::ClassMembers);
}

} // namespace pelinor
