#include "gui/planning/CYypcViewDlg.h"

#include "core/common/AppInfo.h"
#include "gui/navigation/Navigator.h"
#include "gui/print/CPreParentDlg.h"
#include "gui/setmeals/CAddTcmcDlg.h"
#include "gui/widgets/ActionButtons.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Refusals.h"
#include "gui/widgets/StringConversion.h"
#include "reports/MenuReport.h"
#include "reports/ReportCanvas.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace pelinor {

CYypcViewDlg::CYypcViewDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_dayLabel(new QLabel(QStringLiteral("星期："), this))
    , m_days(new QComboBox(this))
    , m_list(new CListCtrlCl(this))
    , m_fields(new QWidget(this))
{
    setObjectName(QStringLiteral("CYypcViewDlg"));
    auto* fields = new QHBoxLayout(m_fields);
    fields->setContentsMargins(0, 0, 0, 0);
    m_name = addField(QStringLiteral("配餐名称："), QStringLiteral("planName"));
    m_cycle = addField(QStringLiteral("配餐周期："), QStringLiteral("planCycle"));
    m_subject = addField(QStringLiteral("配餐对象："), QStringLiteral("planSubject"));
    m_date = addField(QStringLiteral("日期："), QStringLiteral("shownDate"));
    fields->addSpacing(16);
    fields->addWidget(m_dayLabel);
    fields->addWidget(m_days);
    fields->addStretch(1);
    m_days->setObjectName(QStringLiteral("daySelector"));
    for (const auto day : kWeekDayKeys) {
        m_days->addItem(utf8Text(day));
    }

    m_list->setObjectName(QStringLiteral("menuList"));
    m_list->setColumns(
        { QStringLiteral("餐次"), QStringLiteral("名称"), QStringLiteral("重量(g)"), QStringLiteral("详情") },
        { 80, 180, 90, 0 });
    m_list->setAlignmentString(QStringLiteral("1010"));
    m_list->setSkinnedRowHeight();

    auto* print = actionButton(QStringLiteral("printButton"), QStringLiteral("print"), QStringLiteral("打印"), this);
    auto* setMeal
        = actionButton(QStringLiteral("setMealButton"), QStringLiteral("setmeal"), QStringLiteral("生成套餐"), this);
    auto* analysis
        = actionButton(QStringLiteral("analysisButton"), QStringLiteral("chart"), QStringLiteral("营养分析"), this);
    auto* back = actionButton(QStringLiteral("backButton"), QStringLiteral("back"), QStringLiteral("返回"), this);
    auto* actions = buttonRow({ print, setMeal, analysis, back });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addLayout(actions);
    layout->addWidget(m_fields);
    layout->addWidget(m_list, 1);

    connect(print, &QAbstractButton::clicked, this, &CYypcViewDlg::printMenu);
    connect(setMeal, &QAbstractButton::clicked, this, &CYypcViewDlg::makeSetMeal);
    connect(analysis, &QAbstractButton::clicked, this, &CYypcViewDlg::openAnalysis);
    connect(back, &QAbstractButton::clicked, this, &CYypcViewDlg::backToPlanList);
    connect(m_days, &QComboBox::currentTextChanged, this, [this](const QString& day) {
        if (!m_switchingDay) {
            fillDay(day);
        }
    });
    clearPage();
}

QLabel* CYypcViewDlg::addField(const QString& label, const QString& objectName)
{
    auto* fields = static_cast<QHBoxLayout*>(m_fields->layout());
    auto* value = new QLabel(m_fields);
    value->setObjectName(objectName);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    value->setMinimumWidth(60);
    if (fields->count() > 0) {
        fields->addSpacing(16);
    }
    fields->addWidget(new QLabel(label, m_fields));
    fields->addWidget(value);
    return value;
}

void CYypcViewDlg::clearPage()
{
    m_plan.reset();
    m_grid = MenuGrid {};
    for (auto* field : { m_name, m_cycle, m_subject, m_date }) {
        field->clear();
    }
    m_switchingDay = true;
    m_days->setCurrentIndex(0);
    m_switchingDay = false;
    m_list->clearRows();
}

bool CYypcViewDlg::openPlanDay(int planNumber, const QString& dayKey)
{
    clearPage();
    const auto found = runDatabaseWork([planNumber] { return loadMenuPlan(planNumber); });
    if (!found) {
        return false;
    }
    if (!*found) {
        showMessage(QStringLiteral("该配餐不存在！"), QString::fromUtf8(kSystemPromptCaption));
        return false;
    }
    m_plan = **found;
    m_name->setText(qs(m_plan->name));
    m_cycle->setText(qs(m_plan->cycle));
    m_subject->setText(qs(m_plan->subject));
    const bool oneDay = m_plan->isOneDay();
    m_dayLabel->setVisible(!oneDay);
    m_days->setVisible(!oneDay);
    const int day = weekDayIndex(ss(dayKey));
    m_switchingDay = true;
    m_days->setCurrentIndex(day < 0 ? 0 : day);
    m_switchingDay = false;
    fillDay(shownDayKey());
    return true;
}

QString CYypcViewDlg::shownDayKey() const
{
    return m_plan ? qs(menuDayKey(*m_plan, ss(m_days->currentText()))) : QString();
}

void CYypcViewDlg::fillDay(const QString& dayKey)
{
    // Nothing of the day shown before may stay: not its lines, not its date.
    m_list->clearRows();
    m_date->clear();
    m_grid = MenuGrid {};
    if (!m_plan) {
        return;
    }
    const MenuPlan plan = *m_plan;
    const auto day = runDatabaseWork([&] { return loadMenuDay(plan, ss(dayKey)); });
    if (!day) {
        return;
    }
    for (const auto& line : day->lines) {
        m_list->appendRow({ qs(line.meal), qs(line.name), qs(line.weight), qs(line.foods) });
    }
    m_date->setText(qs(day->date));
    if (const auto grid = runDatabaseWork([&] { return buildMenuGrid(plan); })) {
        m_grid = *grid;
    }
}

void CYypcViewDlg::printMenu()
{
    if (!m_plan) {
        return;
    }
    CPreParentDlg::preview(this, makeMenuReport(menuReportData(m_grid)));
}

void CYypcViewDlg::openAnalysis()
{
    if (!m_plan) {
        return;
    }
    navigator().openAnalysis(m_plan->id, shownDayKey());
}

void CYypcViewDlg::makeSetMeal()
{
    if (!m_plan) {
        return;
    }
    const SetMealFromDay request { m_plan->id, ss(shownDayKey()), {}, ss(m_date->text()), m_plan->subject };
    CAddTcmcDlg dialog(this);
    while (dialog.exec() == QDialog::Accepted) {
        SetMealFromDay named = request;
        named.name = dialog.name();
        const auto made = runDatabaseWork([&named] { return MakeSetMeal(named); });
        if (!made) {
            return; // the failure has been shown; nothing was written
        }
        if (!made->ok()) {
            showRefusal(*made);
            continue;
        }
        showMessage(utf8Text(kSetMealMade), QString::fromUtf8(kSystemPromptCaption));
        return;
    }
}

void CYypcViewDlg::backToPlanList()
{
    clearPage();
    navigator().openPlanList();
}

QString CYypcViewDlg::planName() const
{
    return m_name->text();
}

QString CYypcViewDlg::cycle() const
{
    return m_cycle->text();
}

QString CYypcViewDlg::subject() const
{
    return m_subject->text();
}

QString CYypcViewDlg::shownDate() const
{
    return m_date->text();
}

} // namespace pelinor
