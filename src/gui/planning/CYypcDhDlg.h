#pragma once

#include "core/planning/PlanSetup.h"
#include "gui/navigation/PageOpeners.h"
#include "gui/widgets/CSkinPage.h"

#include <array>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace pelinor {

class CListCtrlCl;
class CPictureButton;

// The plan set-up page: name, subject (one child or classes), cycle and the energy share of each
// meal time of a new plan. Nothing is stored here; OK hands the definition to the plan editor.
class CYypcDhDlg : public CSkinPage, public FreshStartPage
{
    Q_OBJECT

public:
    explicit CYypcDhDlg(QWidget* parent = nullptr);

    // The plan list's "new": the class selector read again, every field back to its start.
    void ResetPlanSetup();
    void startNew() override;
    // The page as it stands, as the OK button reads it.
    PlanSetupInput input() const;

    QLineEdit* nameEdit() const
    {
        return m_name;
    }
    QRadioButton* kindButton(int kind) const;
    QRadioButton* cycleButton(int cycle) const;
    QComboBox* classSelector() const
    {
        return m_class;
    }
    CListCtrlCl* childList() const
    {
        return m_children;
    }
    CListCtrlCl* availableClasses() const
    {
        return m_available;
    }
    CListCtrlCl* chosenClasses() const
    {
        return m_chosen;
    }
    QLineEdit* shareEdit(int meal) const
    {
        return m_shares[static_cast<std::size_t>(meal)];
    }

public slots:
    void ConfirmPlanSetup();
    void cancel();
    void choosePersonal();
    void chooseGroup();
    void fillChildren();
    void addClass();
    void addAllClasses();
    void removeClass();
    void removeAllClasses();

private:
    QLayout* buildSubjects();
    QLayout* buildShares();
    void moveClasses(const QStringList& names, bool toChosen);
    void setGroupControlsEnabled(bool enabled);
    void setPersonalControlsEnabled(bool enabled);
    void shareEdited(int meal);

    QLineEdit* m_name;
    QButtonGroup* m_kind;
    QButtonGroup* m_cycle;
    QComboBox* m_class;
    CListCtrlCl* m_children;
    CListCtrlCl* m_available;
    CListCtrlCl* m_chosen;
    std::array<CPictureButton*, 4> m_moveButtons {};
    std::array<QLineEdit*, 5> m_shares {};
};

} // namespace pelinor
