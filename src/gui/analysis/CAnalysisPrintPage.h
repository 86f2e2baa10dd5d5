#pragma once

#include "gui/widgets/CSkinPage.h"

class QPlainTextEdit;

namespace pelinor {

// Tab "打印": what the printed analysis report gathers, as text, until the report itself is drawn
// through the print preview.
class CAnalysisPrintPage : public CSkinPage
{
    Q_OBJECT

public:
    explicit CAnalysisPrintPage(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const;

private:
    QPlainTextEdit* m_text;
};

} // namespace pelinor
