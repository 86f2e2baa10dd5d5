#include "gui/shell/CLumarooDlg.h"

#include "gui/navigation/PageRegistry.h"
#include "gui/navigation/RefreshablePage.h"
#include "gui/shell/CAboutDlg.h"
#include "gui/shell/CBttmDlg.h"
#include "gui/shell/CCenterDlg.h"
#include "gui/shell/CHubPage.h"
#include "gui/shell/CLeftDlg.h"
#include "gui/shell/HelpLauncher.h"
#include "gui/shell/MainWindowLayout.h"
#include "gui/widgets/CColorMenu.h"
#include "gui/widgets/CPictureButton.h"
#include "gui/widgets/WindowDragger.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QSvgRenderer>
#include <QTimer>

namespace pelinor {

namespace {

CLumarooDlg* g_mainWindow = nullptr;

const QSize kCaptionButtonSize(30, 24);
constexpr int kCaptionButtonTop = 6;
constexpr int kCaptionButtonGap = 2;
constexpr int kCaptionButtonRight = 8;
constexpr int kCornerCut = 3;

// The navigation buttons in the order of CLeftDlg::Target.
const PageId kNavigationPages[] = { PageId::CenterHub, PageId::ArchiveList, PageId::PlanList, PageId::InfoHub,
    PageId::RecipeHub, PageId::SettingsHub };

void refreshIfAble(QWidget* page)
{
    if (auto* refreshable = dynamic_cast<RefreshablePage*>(page)) {
        refreshable->refresh();
    }
}

QWidget* createPage(const PageRegistration& row)
{
    return row.create();
}

} // namespace

CLumarooDlg::CLumarooDlg(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_bottom(new CBttmDlg(this))
    , m_left(new CLeftDlg(this))
    , m_content(new QStackedWidget(this))
    , m_closeButton(new CPictureButton(this))
    , m_maximiseButton(new CPictureButton(this))
    , m_minimiseButton(new CPictureButton(this))
{
    setObjectName(QStringLiteral("CLumarooDlg"));
    setWindowTitle(QStringLiteral("Pelinor"));
    setWindowIcon(QIcon(QStringLiteral(":/skin/app-icon.svg")));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(900, 600);
    // The top strip of the banner acts as the caption.
    new WindowDragger(this, MainWindowLayout::kDragHeight);
    g_mainWindow = this;
    setNavigator(this);

    QSize initial(kInitialWidth, kInitialHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        initial = initial.boundedTo(screen->availableGeometry().size());
        move(screen->availableGeometry().center() - QPoint(initial.width() / 2, initial.height() / 2));
    }
    resize(initial);

    m_content->setObjectName(QStringLiteral("contentArea"));
    createPages();

    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setToolTip(QStringLiteral("关闭"));
    m_closeButton->setPictures(pictureIcon(QStringLiteral(":/skin/btn-close.svg"),
                                   QStringLiteral(":/skin/btn-close-down.svg"), kCaptionButtonSize),
        kCaptionButtonSize);
    m_maximiseButton->setObjectName(QStringLiteral("maximiseButton"));
    m_maximiseButton->setToolTip(QStringLiteral("最大化/还原"));
    m_maximiseButton->setPictures(pictureIcon(QStringLiteral(":/skin/btn-max.svg"),
                                      QStringLiteral(":/skin/btn-max-down.svg"), kCaptionButtonSize),
        kCaptionButtonSize);
    m_minimiseButton->setObjectName(QStringLiteral("minimiseButton"));
    m_minimiseButton->setToolTip(QStringLiteral("最小化"));
    m_minimiseButton->setPictures(pictureIcon(QStringLiteral(":/skin/btn-min.svg"),
                                      QStringLiteral(":/skin/btn-min-down.svg"), kCaptionButtonSize),
        kCaptionButtonSize);
    connect(m_closeButton, &QAbstractButton::clicked, this, &QWidget::close);
    connect(m_maximiseButton, &QAbstractButton::clicked, this, &CLumarooDlg::toggleMaximise);
    connect(m_minimiseButton, &QAbstractButton::clicked, this, &QWidget::showMinimized);

    // The three buttons keep their distance to the right edge.
    const int w = width();
    m_closeButton->move(w - kCaptionButtonRight - kCaptionButtonSize.width(), kCaptionButtonTop);
    m_maximiseButton->move(m_closeButton->x() - kCaptionButtonGap - kCaptionButtonSize.width(), kCaptionButtonTop);
    m_minimiseButton->move(m_maximiseButton->x() - kCaptionButtonGap - kCaptionButtonSize.width(), kCaptionButtonTop);
    for (QWidget* button : { static_cast<QWidget*>(m_closeButton), static_cast<QWidget*>(m_maximiseButton),
             static_cast<QWidget*>(m_minimiseButton) }) {
        m_anchors.add(button, size(), { 100, 0, 0, 0 });
        button->raise();
    }

    auto* aboutShortcut = new QShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+A")), this);
    connect(aboutShortcut, &QShortcut::activated, this, &CLumarooDlg::showAbout);
    auto* menuShortcut = new QShortcut(QKeySequence(QStringLiteral("Alt+Space")), this);
    connect(menuShortcut, &QShortcut::activated, this, [this] { showWindowMenu(mapToGlobal(QPoint(8, 8))); });

    connect(m_left, &CLeftDlg::navigate, this, &CLumarooDlg::navigate);
    placeParts();
    // Once the window stands where the system put it, remember the work area and the first rectangle.
    QTimer::singleShot(0, this, &CLumarooDlg::rememberPlacement);
}

CLumarooDlg::~CLumarooDlg()
{
    if (g_mainWindow == this) {
        g_mainWindow = nullptr;
    }
    clearNavigator(this);
}

CLumarooDlg* CLumarooDlg::mainWindow()
{
    return g_mainWindow;
}

void CLumarooDlg::createPages()
{
    // The pages of the content area in id order (page numbers, then the knowledge page), then each
    // hub's pages; the registry holds them in id order.
    for (const PageRegistration& row : PageRegistry::rows()) {
        if (row.inHub() || page(row.id)) {
            continue;
        }
        QWidget* widget = createPage(row);
        if (auto* hubPage = qobject_cast<CHubPage*>(widget); hubPage && isHub(row.id)) {
            m_hubs.insert(static_cast<int>(row.id), hubPage);
        }
        if (auto* center = qobject_cast<CCenterDlg*>(widget); center && row.id == PageId::CenterHub) {
            m_center = center;
            connect(m_center, &CCenterDlg::openPage, this, &CLumarooDlg::openModule);
            connect(m_center, &CCenterDlg::openHelp, this, &CLumarooDlg::openHelp);
        }
        addContentPage(row.id, widget);
    }
    for (PageId hubId : { PageId::InfoHub, PageId::RecipeHub, PageId::SettingsHub }) {
        CHubPage* hubPage = hub(hubId);
        if (!hubPage) {
            continue;
        }
        for (PageId sub : subPagesOf(hubId)) {
            if (!hubPage->subPage(sub)) {
                hubPage->addSubPage(sub, createPage(*PageRegistry::find(sub)));
            }
        }
        hubPage->showWelcome();
    }
    showPage(PageId::CenterHub);
}

void CLumarooDlg::addContentPage(PageId id, QWidget* widget)
{
    if (!widget) {
        return;
    }
    if (widget->objectName().isEmpty()) {
        widget->setObjectName(pageClassName(id));
    }
    m_contentPages.insert(static_cast<int>(id), widget);
    m_content->addWidget(widget);
}

QWidget* CLumarooDlg::GetPage(int number) const
{
    const auto id = pageWithNumber(number);
    return id ? page(*id) : nullptr;
}

QWidget* CLumarooDlg::page(PageId id) const
{
    if (const auto hubId = hubOf(id)) {
        const CHubPage* hubPage = hub(*hubId);
        return hubPage ? hubPage->subPage(id) : nullptr;
    }
    return m_contentPages.value(static_cast<int>(id), nullptr);
}

void CLumarooDlg::closeMainWindow()
{
    close();
}

void CLumarooDlg::showPage(PageId id)
{
    QWidget* target = nullptr;
    if (const auto hubId = hubOf(id)) {
        CHubPage* hubPage = hub(*hubId);
        if (!hubPage) {
            return;
        }
        hubPage->showSubPage(id);
        target = hubPage;
    } else {
        target = m_contentPages.value(static_cast<int>(id), nullptr);
    }
    if (!target) {
        return;
    }
    m_content->setCurrentWidget(target);
    m_left->show();
    const int navigationTarget = navigationTargetOf(id);
    if (navigationTarget >= 0) {
        m_left->markCurrent(navigationTarget);
    }
}

PageId CLumarooDlg::currentPage() const
{
    QWidget* current = m_content->currentWidget();
    for (auto it = m_contentPages.cbegin(); it != m_contentPages.cend(); ++it) {
        if (it.value() == current) {
            const auto id = static_cast<PageId>(it.key());
            if (const CHubPage* hubPage = hub(id)) {
                return hubPage->currentSubPage();
            }
            return id;
        }
    }
    return PageId::CenterHub;
}

void CLumarooDlg::navigate(int target)
{
    if (target < 0 || target >= CLeftDlg::TargetCount) {
        return;
    }
    const PageId id = kNavigationPages[target];
    if (id == PageId::CenterHub) {
        if (m_center) {
            m_center->readPermissions();
        }
    } else if (CHubPage* hubPage = hub(id)) {
        hubPage->showWelcome();
    }
    const PageRegistration* row = PageRegistry::find(id);
    if (row && refreshes(row->refresh, Refresh::FromNavigationBar)) {
        refreshIfAble(page(id));
    }
    showPage(id);
}

void CLumarooDlg::openModule(PageId target, bool refreshTarget)
{
    if (refreshTarget) {
        refreshIfAble(page(target));
    }
    showPage(target);
}

CLeftDlg* CLumarooDlg::navigationBar() const
{
    return m_left;
}

CBttmDlg* CLumarooDlg::bottomBar() const
{
    return m_bottom;
}

CCenterDlg* CLumarooDlg::centerHub() const
{
    return m_center;
}

CHubPage* CLumarooDlg::hub(PageId hubId) const
{
    return m_hubs.value(static_cast<int>(hubId), nullptr);
}

bool CLumarooDlg::isMaximisedBySkin() const
{
    return m_maximised;
}

void CLumarooDlg::toggleMaximise()
{
    if (m_workArea.isNull()) {
        rememberPlacement();
    }
    m_maximised = !m_maximised;
    setGeometry(m_maximised ? m_workArea : m_restoreGeometry);
    update();
}

void CLumarooDlg::showAbout()
{
    CAboutDlg about(this);
    about.exec();
}

void CLumarooDlg::openHelp()
{
    HelpLauncher::open(this);
}

void CLumarooDlg::rememberPlacement()
{
    if (const QScreen* target = screen()) {
        m_workArea = target->availableGeometry();
    } else {
        m_workArea = geometry();
    }
    if (!m_maximised) {
        m_restoreGeometry = geometry();
    }
}

void CLumarooDlg::placeParts()
{
    const MainWindowLayout layout = MainWindowLayout::forClient(size());
    m_left->setGeometry(layout.navigation);
    m_content->setGeometry(layout.content);
    m_bottom->setGeometry(layout.bottom);
    m_anchors.apply(size());
    // Corners cut by three pixels.
    const int w = width();
    const int h = height();
    const int c = kCornerCut;
    setMask(QRegion(QPolygon({ QPoint(c, 0), QPoint(w - c, 0), QPoint(w, c), QPoint(w, h - c), QPoint(w - c, h),
        QPoint(c, h), QPoint(0, h - c), QPoint(0, c) })));
}

void CLumarooDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(44, 200, 255));
    // The banner is drawn over the whole window, the title picture at the top right.
    QSvgRenderer(QStringLiteral(":/skin/banner.svg")).render(&painter, QRectF(rect()));
    const MainWindowLayout layout = MainWindowLayout::forClient(size());
    QSvgRenderer(QStringLiteral(":/skin/title.svg")).render(&painter, QRectF(layout.title));
}

void CLumarooDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    placeParts();
}

void CLumarooDlg::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && event->position().y() < MainWindowLayout::kDragHeight) {
        toggleMaximise();
        return;
    }
    QDialog::mouseDoubleClickEvent(event);
}

void CLumarooDlg::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->pos().y() < MainWindowLayout::kBannerHeight) {
        showWindowMenu(event->globalPos());
        return;
    }
    QDialog::contextMenuEvent(event);
}

void CLumarooDlg::keyPressEvent(QKeyEvent* event)
{
    // The main window is closed by its close button only, never by Escape.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CLumarooDlg::showWindowMenu(const QPoint& globalPosition)
{
    CColorMenu menu(this);
    menu.addAction(
        m_maximised ? QStringLiteral("还原(&R)") : QStringLiteral("最大化(&X)"), this, &CLumarooDlg::toggleMaximise);
    menu.addAction(QStringLiteral("最小化(&N)"), this, &QWidget::showMinimized);
    menu.addSeparator();
    menu.addAction(QStringLiteral("关于 Lumaroo(&A)..."), this, &CLumarooDlg::showAbout);
    menu.addSeparator();
    menu.addAction(QStringLiteral("关闭(&C)"), this, &QWidget::close);
    menu.exec(globalPosition);
}

int CLumarooDlg::navigationTargetOf(PageId id) const
{
    // A page lights the button of the page it belongs to (its hub, or the list it comes from).
    const PageRegistration* row = PageRegistry::find(id);
    const PageId owner = row ? row->hub : id;
    for (int target = 0; target < CLeftDlg::TargetCount; ++target) {
        if (kNavigationPages[target] == owner) {
            return target;
        }
    }
    return -1;
}

} // namespace pelinor
