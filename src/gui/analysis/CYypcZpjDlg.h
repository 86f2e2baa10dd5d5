#pragma once

#include "gui/widgets/CSkinPage.h"

class QPlainTextEdit;

namespace pelinor {

// Tab "总评价": the nutritionist's comprehensive evaluation and advice, typed freely. It is kept
// nowhere but in the page and emptied at every new analysis.
class CYypcZpjDlg : public CSkinPage
{
    Q_OBJECT

public:
    explicit CYypcZpjDlg(QWidget* parent = nullptr);

    void clear();
    QString text() const;
    QPlainTextEdit* editor() const
    {
        return m_editor;
    }

private:
    QPlainTextEdit* m_editor;
};

} // namespace pelinor
