#pragma once

#include "core/admin/PermissionFlags.h"
#include "gui/navigation/PageId.h"
#include "gui/widgets/CSkinPage.h"

#include <QHash>
#include <QList>

class QStackedWidget;

namespace pelinor {

class CPictureButton;

// A hub: a strip of picture buttons at the top and its sub-pages below, one visible at a time,
// with its own permission flags read from the role when the hub is created. The buttons are the
// pages registered for the hub with a strip position, each guarded by its page's permission code.
class CHubPage : public CSkinPage
{
    Q_OBJECT

public:
    struct Button
    {
        PageId target;
        QString permission; // empty: no permission needed
        QString symbol; // symbol picture of the button
        bool refreshTarget; // the target reloads before it is shown
    };

    explicit CHubPage(PageId hub, QWidget* parent = nullptr);

    PageId hubId() const;
    const QList<Button>& buttons() const;
    // Takes a sub-page; the main window adds every sub-page once.
    void addSubPage(PageId page, QWidget* widget);
    QWidget* subPage(PageId page) const;
    PageId currentSubPage() const;
    CPictureButton* button(PageId target) const;

    // Hides every sub-page and shows the welcome picture.
    void showWelcome();
    // Hides every sub-page and shows one; no permission test (the caller made it).
    void showSubPage(PageId page);
    // What a button press does: the permission test with its message, the refresh, the switch.
    // Returns false when the role lacks the permission (nothing changes then).
    bool openFromButton(PageId target);

    // The hub's flags: set from the role once, when the hub is created.
    const PermissionFlags& permissions() const;
    void readPermissions();

private:
    const Button* buttonFor(PageId target) const;
    void markPressed(PageId target);

    PageId m_hub;
    QList<Button> m_buttons;
    QHash<int, CPictureButton*> m_buttonWidgets;
    QHash<int, QWidget*> m_subPages;
    QStackedWidget* m_stack;
    PermissionFlags m_flags;
};

} // namespace pelinor
