#include "gui/shell/CHubPage.h"

#include "gui/navigation/PageRegistry.h"
#include "gui/navigation/RefreshablePage.h"
#include "gui/session/PermissionCheck.h"
#include "gui/session/Session.h"
#include "gui/widgets/CPictureButton.h"
#include "gui/widgets/DatabaseError.h"

#include <QHBoxLayout>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace pelinor {

namespace {

const QSize kStripButtonSize(136, 46);

QList<CHubPage::Button> registeredButtons(PageId hub)
{
    QList<CHubPage::Button> buttons;
    for (const PageRegistration* row : PageRegistry::stripOf(hub)) {
        buttons.append({ row->id, row->permission, row->picture, refreshes(row->refresh, Refresh::FromHub) });
    }
    return buttons;
}

} // namespace

CHubPage::CHubPage(PageId hub, QWidget* parent)
    : CSkinPage(parent)
    , m_hub(hub)
    , m_buttons(registeredButtons(hub))
    , m_stack(new QStackedWidget(this))
{
    setObjectName(pageClassName(hub));
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("hubStrip"));
    strip->setAttribute(Qt::WA_StyledBackground);
    strip->setStyleSheet(QStringLiteral("#hubStrip { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                                        "stop:0 rgb(240,255,255), stop:1 rgb(214,240,252)); "
                                        "border-bottom: 1px solid rgb(150,205,235); }"));
    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(10, 6, 10, 6);
    stripLayout->setSpacing(8);
    for (const Button& entry : m_buttons) {
        auto* button
            = new CPictureButton(tileIcon(TileStyle::Strip, entry.symbol, pageTitle(entry.target), kStripButtonSize),
                kStripButtonSize, strip);
        button->setObjectName(pageClassName(entry.target) + QStringLiteral("Button"));
        button->setToolTip(pageTitle(entry.target));
        button->setCheckable(true);
        const PageId target = entry.target;
        connect(button, &QAbstractButton::clicked, this, [this, target] {
            // The button only shows itself pressed while its page is the one shown.
            markPressed(currentSubPage());
            openFromButton(target);
        });
        stripLayout->addWidget(button);
        m_buttonWidgets.insert(static_cast<int>(entry.target), button);
    }
    stripLayout->addStretch(1);

    m_stack->setObjectName(QStringLiteral("hubStack"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(strip);
    layout->addWidget(m_stack, 1);

    readPermissions();
}

PageId CHubPage::hubId() const
{
    return m_hub;
}

const QList<CHubPage::Button>& CHubPage::buttons() const
{
    return m_buttons;
}

void CHubPage::addSubPage(PageId page, QWidget* widget)
{
    if (!widget) {
        return;
    }
    if (widget->objectName().isEmpty()) {
        widget->setObjectName(pageClassName(page));
    }
    m_subPages.insert(static_cast<int>(page), widget);
    m_stack->addWidget(widget);
    if (page == welcomePageOf(m_hub)) {
        m_stack->setCurrentWidget(widget);
    }
}

QWidget* CHubPage::subPage(PageId page) const
{
    return m_subPages.value(static_cast<int>(page), nullptr);
}

PageId CHubPage::currentSubPage() const
{
    QWidget* current = m_stack->currentWidget();
    for (auto it = m_subPages.cbegin(); it != m_subPages.cend(); ++it) {
        if (it.value() == current) {
            return static_cast<PageId>(it.key());
        }
    }
    return welcomePageOf(m_hub);
}

CPictureButton* CHubPage::button(PageId target) const
{
    return m_buttonWidgets.value(static_cast<int>(target), nullptr);
}

void CHubPage::showWelcome()
{
    showSubPage(welcomePageOf(m_hub));
}

void CHubPage::showSubPage(PageId page)
{
    if (QWidget* widget = subPage(page)) {
        m_stack->setCurrentWidget(widget);
    }
    markPressed(page);
}

bool CHubPage::openFromButton(PageId target)
{
    const Button* entry = buttonFor(target);
    if (!entry || !checkPermission(m_flags, entry->permission)) {
        return false;
    }
    if (entry->refreshTarget) {
        if (auto* refreshable = dynamic_cast<RefreshablePage*>(subPage(target))) {
            refreshable->refresh();
        }
    }
    showSubPage(target);
    return true;
}

const PermissionFlags& CHubPage::permissions() const
{
    return m_flags;
}

void CHubPage::readPermissions()
{
    runDatabaseWork([this] { Session::readRolePermissions(m_flags); });
}

const CHubPage::Button* CHubPage::buttonFor(PageId target) const
{
    for (const Button& entry : m_buttons) {
        if (entry.target == target) {
            return &entry;
        }
    }
    return nullptr;
}

void CHubPage::markPressed(PageId target)
{
    for (auto it = m_buttonWidgets.cbegin(); it != m_buttonWidgets.cend(); ++it) {
        it.value()->setChecked(it.key() == static_cast<int>(target));
    }
}

} // namespace pelinor
