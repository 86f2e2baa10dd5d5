#pragma once

#include <QDialog>
#include <optional>

class QPushButton;

namespace pelinor {

class CPageSpinBox;

// "转到页": asks for a page number between 1 and the report's page count.
class CPreGotoDlg : public QDialog
{
    Q_OBJECT

public:
    CPreGotoDlg(int currentPage, int pageCount, QWidget* parent = nullptr);

    // The chosen page, brought into 1 … page count.
    int page() const;
    CPageSpinBox* pageField() const
    {
        return m_page;
    }
    QPushButton* okButton() const
    {
        return m_ok;
    }

    // Runs the dialog; the page after OK, nothing after Cancel.
    static std::optional<int> choosePage(QWidget* parent, int currentPage, int pageCount);

    void accept() override;

private:
    CPageSpinBox* m_page;
    QPushButton* m_ok;
};

} // namespace pelinor
