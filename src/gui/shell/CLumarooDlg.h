#pragma once

#include "gui/navigation/Navigator.h"
#include "gui/navigation/PageId.h"
#include "gui/widgets/CAnchorLayout.h"

#include <QDialog>
#include <QHash>

class QStackedWidget;

namespace pelinor {

class CBttmDlg;
class CCenterDlg;
class CHubPage;
class CLeftDlg;
class CPictureButton;

// The main window: borderless, skinned, with the banner, the navigation bar, the bottom bar and
// the content area in which exactly one page is visible. Every registered page is created once,
// here (PageRegistry); while the window exists it is the program's navigator.
class CLumarooDlg : public QDialog, public Navigator
{
    Q_OBJECT

public:
    static constexpr int kInitialWidth = 1100;
    static constexpr int kInitialHeight = 720;

    explicit CLumarooDlg(QWidget* parent = nullptr);
    ~CLumarooDlg() override;

    // The main window of the run (null before one exists).
    static CLumarooDlg* mainWindow();

    // The page with a page number (0 to 13; 6 and 8 name none): null for other numbers.
    QWidget* GetPage(int number) const;
    // Any page, hub sub-pages and the knowledge page included.
    QWidget* page(PageId id) const override;

    // Shows a page: hides every other one, keeps the navigation bar; a sub-page is shown in its
    // hub. No permission test and no refresh: callers decide (see RefreshablePage).
    void showPage(PageId id) override;
    void closeMainWindow() override;
    // The page the content area shows (for a hub: its current sub-page).
    PageId currentPage() const;

    // A press of navigation button `target` (CLeftDlg::Target).
    void navigate(int target);
    // Opens a module the way the home page does: its hub and sub-page, refreshed when asked.
    void openModule(PageId target, bool refreshTarget);

    CLeftDlg* navigationBar() const;
    CBttmDlg* bottomBar() const;
    CCenterDlg* centerHub() const;
    CHubPage* hub(PageId hubId) const;

    bool isMaximisedBySkin() const;
    void toggleMaximise();
    void showAbout();
    void openHelp();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createPages();
    void addContentPage(PageId id, QWidget* widget);
    void placeParts();
    void rememberPlacement();
    void showWindowMenu(const QPoint& globalPosition);
    int navigationTargetOf(PageId id) const;

    CBttmDlg* m_bottom;
    CLeftDlg* m_left;
    QStackedWidget* m_content;
    CCenterDlg* m_center = nullptr;
    QHash<int, QWidget*> m_contentPages;
    QHash<int, CHubPage*> m_hubs;
    CPictureButton* m_closeButton;
    CPictureButton* m_maximiseButton;
    CPictureButton* m_minimiseButton;
    CAnchorLayout m_anchors;
    bool m_maximised = false;
    QRect m_workArea;
    QRect m_restoreGeometry;
};

} // namespace pelinor
