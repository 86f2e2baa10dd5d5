#pragma once

#include "gui/widgets/CSkinPage.h"

class QPushButton;

namespace pelinor {

// Tab "打印": choosing it opens the printed analysis report in the print preview; the page itself
// only says so and opens the preview again on request.
class CAnalysisPrintPage : public CSkinPage
{
    Q_OBJECT

public:
    explicit CAnalysisPrintPage(QWidget* parent = nullptr);

    QPushButton* previewButton() const
    {
        return m_preview;
    }

signals:
    void previewRequested();

private:
    QPushButton* m_preview;
};

} // namespace pelinor
