#pragma once

#include "gui/navigation/PageOpeners.h"
#include "gui/widgets/CSkinPage.h"

#include <QHash>

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

    // The text of a box by its label (the label as the page shows it).
    QString boxText(const QString& label) const;
    QPlainTextEdit* evaluationBox() const;

private:
    QLineEdit* box(const QString& label) const;

    QHash<QString, QLineEdit*> m_boxes;
    QPlainTextEdit* m_evaluation;
};

} // namespace pelinor
