#include "gui/health/CWsmyDlg.h"

#include "core/health/Vaccinations.h"
#include "core/health/Vaccines.h"
#include "gui/health/CDjzViewDlg.h"
#include "gui/health/CMyEditDlg.h"
#include "gui/health/CMyLoginDlg.h"
#include "gui/health/CMyViewCkDlg.h"
#include "gui/health/CMyymDlg.h"
#include "gui/health/HealthUi.h"
#include "gui/navigation/Navigator.h"
#include "gui/widgets/ActionButtons.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/ComboBoxes.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Prompter.h"
#include "gui/widgets/Refusals.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace pelinor {

CWsmyDlg::CWsmyDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_class(new QComboBox(this))
    , m_vaccine(new QComboBox(this))
    , m_from(healthDatePicker(QStringLiteral("fromDate"), this))
    , m_to(healthDatePicker(QStringLiteral("toDate"), this))
    , m_list(new CListCtrlCl(this))
{
    setObjectName(QStringLiteral("CWsmyDlg"));
    m_class->setObjectName(QStringLiteral("classCombo"));
    m_class->setMinimumWidth(100);
    m_vaccine->setObjectName(QStringLiteral("vaccineCombo"));
    m_vaccine->setMinimumWidth(150);
    m_vaccine->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_from->setDate(programToday().addYears(-1));
    m_list->setObjectName(QStringLiteral("vaccinationList"));
    m_list->setColumns(
        { QStringLiteral("档案号"), QStringLiteral("姓名"), QStringLiteral("性别"), QStringLiteral("班级"),
            QStringLiteral("疫苗"), QStringLiteral("接种时间"), QStringLiteral("接种地点"), QStringLiteral("备注") },
        { 90, 80, 50, 70, 120, 100, 170, 0 });
    m_list->setAlignmentString(QStringLiteral("11111100"));
    m_list->setSkinnedRowHeight();

    auto* find = actionButton(QStringLiteral("queryButton"), QStringLiteral("search"), QStringLiteral("查询"), this);
    auto* catalogue
        = actionButton(QStringLiteral("catalogueButton"), QStringLiteral("vaccine"), QStringLiteral("疫苗管理"), this);
    auto* due = dueButton(QStringLiteral("dueButton"), this);
    auto* view = actionButton(QStringLiteral("viewButton"), QStringLiteral("view"), QStringLiteral("查看"), this);
    auto* enter = actionButton(QStringLiteral("enterButton"), QStringLiteral("add"), QStringLiteral("登记"), this);
    auto* edit = actionButton(QStringLiteral("editButton"), QStringLiteral("edit"), QStringLiteral("编辑"), this);
    auto* remove = actionButton(QStringLiteral("deleteButton"), QStringLiteral("delete"), QStringLiteral("删除"), this);

    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel(QStringLiteral("班级："), this));
    choices->addWidget(m_class);
    choices->addSpacing(12);
    choices->addWidget(new QLabel(QStringLiteral("疫苗种类："), this));
    choices->addWidget(m_vaccine);
    choices->addSpacing(12);
    choices->addWidget(new QLabel(QStringLiteral("时间："), this));
    choices->addWidget(m_from);
    choices->addWidget(new QLabel(QStringLiteral("到"), this));
    choices->addWidget(m_to);
    choices->addStretch();
    auto* top = buttonRow({ find, catalogue, due });
    auto* actions = buttonRow({ view, enter, edit, remove });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addLayout(choices);
    layout->addLayout(top);
    layout->addWidget(m_list, 1);
    layout->addLayout(actions);

    connect(find, &QAbstractButton::clicked, this, &CWsmyDlg::query);
    connect(catalogue, &QAbstractButton::clicked, this, &CWsmyDlg::openCatalogue);
    connect(due, &QAbstractButton::clicked, this, &CWsmyDlg::showDue);
    connect(view, &QAbstractButton::clicked, this, &CWsmyDlg::viewVaccination);
    connect(enter, &QAbstractButton::clicked, this, &CWsmyDlg::enterVaccination);
    connect(edit, &QAbstractButton::clicked, this, &CWsmyDlg::editVaccination);
    connect(remove, &QAbstractButton::clicked, this, &CWsmyDlg::deleteVaccination);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, &CWsmyDlg::viewVaccination);

    refresh();
}

bool CWsmyDlg::loadVaccineCombo()
{
    const QString chosen = m_vaccine->currentText();
    const auto vaccines = runDatabaseWork([] { return loadVaccines(); });
    if (!vaccines) {
        return false;
    }
    std::vector<std::string> names;
    for (const auto& vaccine : *vaccines) {
        names.push_back(vaccine.name);
    }
    fillCombo(m_vaccine, names);
    const int index = m_vaccine->findText(chosen);
    if (index >= 0) {
        m_vaccine->setCurrentIndex(index);
    }
    return true;
}

void CWsmyDlg::refresh()
{
    loadClassCombo(m_class);
    loadVaccineCombo();
    fill(std::nullopt);
}

void CWsmyDlg::query()
{
    fill(pickedRange(m_from, m_to));
}

void CWsmyDlg::fill(const DateScope& scope)
{
    m_list->clearRows();
    const std::string className = ss(m_class->currentText());
    const std::string vaccine = ss(m_vaccine->currentText());
    const auto rows = runDatabaseWork([&] { return listVaccinations(className, vaccine, scope); });
    if (!rows) {
        return;
    }
    for (const auto& row : *rows) {
        appendRecordRow(m_list, row.id,
            { qs(row.archId), qs(row.name), qs(row.gender), qs(row.className), qs(row.vaccine), qs(row.date),
                qs(row.place), qs(row.remark) });
    }
}

void CWsmyDlg::viewVaccination()
{
    const auto id = selectedRecordId(m_list);
    if (!id) {
        showMessage(QStringLiteral("请选择查看对象"));
        return;
    }
    const auto vaccination = runDatabaseWork([&] { return loadVaccination(*id); });
    if (!vaccination || !*vaccination) {
        return;
    }
    CMyViewCkDlg dialog(**vaccination, this);
    dialog.exec();
}

void CWsmyDlg::enterVaccination()
{
    CMyLoginDlg dialog(m_class->currentText(), m_vaccine->currentText(), this);
    if (dialog.exec() == QDialog::Accepted) {
        fill(std::nullopt);
    }
}

void CWsmyDlg::editVaccination()
{
    const auto id = selectedRecordId(m_list);
    if (!id) {
        showMessage(QStringLiteral("请选择编辑对象"));
        return;
    }
    const auto vaccination = runDatabaseWork([&] { return loadVaccination(*id); });
    if (!vaccination || !*vaccination) {
        return;
    }
    CMyEditDlg dialog(**vaccination, this);
    if (dialog.exec() == QDialog::Accepted) {
        fill(std::nullopt);
    }
}

void CWsmyDlg::deleteVaccination()
{
    const auto id = selectedRecordId(m_list);
    if (!id) {
        showMessage(QStringLiteral("请选择删除对象"));
        return;
    }
    if (!prompter().confirm(QStringLiteral("确定要删除吗？"), QString::fromUtf8(kDeleteCaption))) {
        return;
    }
    if (runDatabaseWork([&] { pelinor::deleteVaccination(*id); })) {
        fill(std::nullopt);
    }
}

void CWsmyDlg::openCatalogue()
{
    if (auto* catalogue = navigator().pageAs<CMyymDlg>(PageId::VaccineList)) {
        catalogue->refresh();
    }
    navigator().showPage(PageId::VaccineList);
}

void CWsmyDlg::showDue()
{
    CDjzViewDlg dialog(m_class->currentText(), this);
    dialog.exec();
}

CListCtrlCl* CWsmyDlg::list() const
{
    return m_list;
}

QComboBox* CWsmyDlg::classCombo() const
{
    return m_class;
}

QComboBox* CWsmyDlg::vaccineCombo() const
{
    return m_vaccine;
}

QDateEdit* CWsmyDlg::fromDate() const
{
    return m_from;
}

QDateEdit* CWsmyDlg::toDate() const
{
    return m_to;
}

} // namespace pelinor
