#include "gui/records/CBjPerSonDlg.h"

#include "core/records/Archives.h"
#include "core/records/Classes.h"
#include "gui/navigation/Navigator.h"
#include "gui/widgets/ActionButtons.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/CPictureButton.h"
#include "gui/widgets/ComboBoxes.h"
#include "gui/widgets/DatabaseError.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace pelinor {

CBjPerSonDlg::CBjPerSonDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_class(new QComboBox(this))
    , m_members(new CListCtrlCl(this))
{
    m_class->setObjectName(QStringLiteral("memberClassCombo"));
    m_class->setMinimumWidth(160);
    m_members->setObjectName(QStringLiteral("memberList"));
    m_members->setColumns(
        { QStringLiteral("学号"), QStringLiteral("姓名"), QStringLiteral("性别"), QStringLiteral("出生日期"),
            QStringLiteral("身高"), QStringLiteral("体重"), QStringLiteral("家庭住址") },
        { 64, 70, 44, 92, 56, 56, 0 });
    m_members->setAlignmentString(QStringLiteral("1111110"));
    m_members->setSkinnedRowHeight();
    auto* back
        = actionButton(QStringLiteral("backToClassesButton"), QStringLiteral("back"), QStringLiteral("返回"), this);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("班级："), this));
    top->addWidget(m_class);
    top->addStretch();
    top->addWidget(back);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addLayout(top);
    layout->addWidget(m_members, 1);

    connect(m_class, &QComboBox::activated, this, &CBjPerSonDlg::showClass);
    connect(back, &QAbstractButton::clicked, this, &CBjPerSonDlg::backToClasses);
    refresh();
}

void CBjPerSonDlg::refresh()
{
    const auto names = runDatabaseWork([] { return loadClassNames(); });
    if (!names) {
        return;
    }
    fillCombo(m_class, *names, 0);
    showClass();
}

void CBjPerSonDlg::showClass()
{
    m_members->clearRows();
    if (m_class->currentIndex() < 0) {
        return;
    }
    const auto children = runDatabaseWork([&] { return archivesOfClass(ss(m_class->currentText())); });
    if (!children) {
        return;
    }
    for (const auto& c : *children) {
        m_members->appendRow(
            { qs(c.studentId), qs(c.archName), qs(c.gender), qs(c.birth), qs(c.height), qs(c.weight), qs(c.address) });
    }
}

void CBjPerSonDlg::backToClasses()
{
    navigator().showPage(PageId::Classes);
}

QComboBox* CBjPerSonDlg::classCombo() const
{
    return m_class;
}

CListCtrlCl* CBjPerSonDlg::memberList() const
{
    return m_members;
}

} // namespace pelinor
