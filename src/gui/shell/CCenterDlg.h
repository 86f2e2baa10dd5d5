#pragma once

#include "core/admin/PermissionFlags.h"
#include "gui/navigation/PageId.h"
#include "gui/widgets/CSkinPage.h"

#include <QList>

namespace pelinor {

class CPictureButton;

// The home page: twelve picture buttons in three rows of four that open modules directly: the
// pages registered with a home tile, by tile position, and the help button last. Its permission
// flags are read when it is created and again on every press of the home button.
class CCenterDlg : public CSkinPage
{
    Q_OBJECT

public:
    enum class Action
    {
        OpenPage,
        OpenHelp
    };

    struct Entry
    {
        QString name; // object name of the button
        QString caption;
        QString symbol;
        QString permission; // empty: no permission needed
        Action action;
        PageId target;
        bool refreshTarget;
    };

    explicit CCenterDlg(QWidget* parent = nullptr);

    // The buttons in reading order (built from the page registry on first use).
    static const QList<Entry>& entries();
    CPictureButton* button(int row, int column) const;

    // What pressing the button at (row, column), 1-based, does.
    void press(int row, int column);

    const PermissionFlags& permissions() const;
    // Sets the flags of the role again; a flag once set stays set.
    void readPermissions();

signals:
    void openPage(pelinor::PageId target, bool refreshTarget);
    void openHelp();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<CPictureButton*> m_buttons;
    PermissionFlags m_flags;
};

} // namespace pelinor
