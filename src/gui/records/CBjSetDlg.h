#pragma once

#include "gui/navigation/RefreshablePage.h"
#include "gui/widgets/CSkinPage.h"

class QComboBox;
class QGridLayout;
class QHBoxLayout;

namespace pelinor {

class CListCtrlCl;
class CPictureButton;

// The class page: the classes in stored order on the left, where they are added, renamed and
// deleted; on the right two child lists to move children from one class ("调整班级：") into another
// ("目标班级："). Nothing is written before the move is applied.
class CBjSetDlg : public CSkinPage, public RefreshablePage
{
    Q_OBJECT

public:
    explicit CBjSetDlg(QWidget* parent = nullptr);

    // Refills the class list and both drop-down lists; empties the child lists.
    void refresh() override;

    CListCtrlCl* classList() const;
    QComboBox* sourceCombo() const;
    QComboBox* targetCombo() const;
    CListCtrlCl* sourceChildren() const;
    CListCtrlCl* movedChildren() const;

    void addClass();
    void editClass();
    void deleteClass();
    void chooseSourceClass();
    void moveSelectedAcross();
    void moveAllAcross();
    void moveSelectedBack();
    void moveAllBack();
    void applyMove();
    void openClassMembers();

private:
    // The class buttons along the bottom.
    QHBoxLayout* buildButtons();
    // The move area: the two class choices, the two child lists and the arrows between them.
    QGridLayout* buildForm();
    void fillClasses();
    static void moveRow(CListCtrlCl* from, CListCtrlCl* to);
    static void moveAll(CListCtrlCl* from, CListCtrlCl* to);

    CListCtrlCl* m_classes;
    QComboBox* m_source;
    QComboBox* m_target;
    CListCtrlCl* m_sourceChildren;
    CListCtrlCl* m_movedChildren;
};

} // namespace pelinor
