#include "gui/shell/CLeftDlg.h"

#include "gui/widgets/CPictureButton.h"
#include "gui/widgets/SkinFonts.h"

#include <QPainter>
#include <QVBoxLayout>

namespace pelinor {

namespace {

struct NavigationEntry
{
    const char* name;
    const char* caption;
    const char* symbol;
};

const NavigationEntry kEntries[] = {
    { "homeButton", "首  页", ":/skin/sym-home.svg" },
    { "archivesButton", "营养档案", ":/skin/sym-archive.svg" },
    { "plansButton", "营养配餐", ":/skin/sym-plan.svg" },
    { "informationButton", "信息管理", ":/skin/sym-info.svg" },
    { "recipesButton", "食谱管理", ":/skin/sym-dish.svg" },
    { "settingsButton", "系统设置", ":/skin/sym-gear.svg" },
};

const QSize kButtonSize(184, 54);

} // namespace

CLeftDlg::CLeftDlg(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("CLeftDlg"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 14, 8, 14);
    layout->setSpacing(10);
    for (int target = 0; target < TargetCount; ++target) {
        const NavigationEntry& entry = kEntries[target];
        auto* button = new CPictureButton(tileIcon(TileStyle::Navigation, QString::fromUtf8(entry.symbol),
                                              QString::fromUtf8(entry.caption), kButtonSize),
            kButtonSize, this);
        button->setObjectName(QString::fromUtf8(entry.name));
        button->setToolTip(QString::fromUtf8(entry.caption).remove(QLatin1Char(' ')));
        button->setCheckable(true);
        connect(button, &QAbstractButton::clicked, this, [this, target] { emit navigate(target); });
        layout->addWidget(button, 0, Qt::AlignHCenter);
        m_buttons.append(button);
    }
    layout->addStretch(1);
    markCurrent(Home);
}

CPictureButton* CLeftDlg::button(Target target) const
{
    return m_buttons.value(target, nullptr);
}

void CLeftDlg::markCurrent(int target)
{
    for (int i = 0; i < m_buttons.size(); ++i) {
        m_buttons.at(i)->setChecked(i == target);
    }
}

void CLeftDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kSkyBrushColor);
    // A soft edge towards the content area.
    painter.setPen(QColor(0, 160, 220));
    painter.drawLine(rect().topRight(), rect().bottomRight());
}

} // namespace pelinor
