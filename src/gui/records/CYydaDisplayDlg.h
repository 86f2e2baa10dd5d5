#pragma once

#include "gui/navigation/PageOpeners.h"
#include "gui/widgets/CSkinPage.h"

#include <vector>

class QLineEdit;
class QPlainTextEdit;

namespace pelinor {

// The archive display (page 12): one child's archive read-only, with its age, the standard weight
// and height for that age, the Kaup and Rohrer indices with their evaluation, and the nutrients
// the clinical signs point to. Nothing here is written.
class CYydaDisplayDlg : public CSkinPage, public ArchiveOpener
{
    Q_OBJECT

public:
    explicit CYydaDisplayDlg(QWidget* parent = nullptr);

    // Fills the page for an archive; false when there is no such archive.
    bool showArchive(const QString& archId);
    // What the navigator's openArchive calls.
    bool openArchive(const QString& archId) override;
    void backToList();

    // The text of a box by its label as the page shows it (empty for a label the page lacks).
    QString boxText(const QString& label) const;
    QPlainTextEdit* evaluationBox() const;

private:
    // Where a box stands: its label, the member that holds it, its row, its pair (0 to 2) and how
    // many pairs it spans.
    struct BoxPlace
    {
        const char* label;
        QLineEdit* CYydaDisplayDlg::*box;
        int row;
        int pair;
        int pairs;
    };
    static const std::vector<BoxPlace>& boxPlaces();

    QLineEdit* m_archId = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_gender = nullptr;
    QLineEdit* m_nation = nullptr;
    QLineEdit* m_height = nullptr;
    QLineEdit* m_weight = nullptr;
    QLineEdit* m_age = nullptr;
    QLineEdit* m_school = nullptr;
    QLineEdit* m_inTime = nullptr;
    QLineEdit* m_class = nullptr;
    QLineEdit* m_studentId = nullptr;
    QLineEdit* m_residence = nullptr;
    QLineEdit* m_address = nullptr;
    QLineEdit* m_guardian = nullptr;
    QLineEdit* m_guardianTel = nullptr;
    QLineEdit* m_relation = nullptr;
    QLineEdit* m_abo = nullptr;
    QLineEdit* m_rh = nullptr;
    QLineEdit* m_allergy = nullptr;
    QLineEdit* m_illness = nullptr;
    QLineEdit* m_disability = nullptr;
    QLineEdit* m_standardWeight = nullptr;
    QLineEdit* m_standardHeight = nullptr;
    QLineEdit* m_kaup = nullptr;
    QLineEdit* m_rohrer = nullptr;
    QLineEdit* m_deficiency = nullptr;
    QPlainTextEdit* m_evaluation;
};

} // namespace pelinor
