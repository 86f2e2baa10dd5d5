#include "gui/print/CPreGotoDlg.h"

#include "gui/print/CPageSpinBox.h"
#include "reports/ReportPaging.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelinor {

CPreGotoDlg::CPreGotoDlg(int currentPage, int pageCount, QWidget* parent)
    : QDialog(parent)
    , m_page(new CPageSpinBox(pageCount, this))
    , m_ok(new QPushButton(QStringLiteral("确定"), this))
{
    setObjectName(QStringLiteral("CPreGotoDlg"));
    setWindowTitle(QStringLiteral("转到页"));
    m_page->setObjectName(QStringLiteral("pageField"));
    m_page->setValue(clampPage(currentPage, pageCount));
    m_page->setMinimumWidth(100);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));

    auto* label = new QLabel(QStringLiteral("页码(&P):"), this);
    label->setBuddy(m_page);
    auto* field = new QHBoxLayout;
    field->addWidget(label);
    field->addWidget(m_page, 1);
    field->addWidget(new QLabel(QStringLiteral("/ %1").arg(pageCount), this));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_page->setFocus();
    m_page->selectAll();
}

int CPreGotoDlg::page() const
{
    return m_page->clampedValue();
}

void CPreGotoDlg::accept()
{
    m_page->clampNow();
    QDialog::accept();
}

std::optional<int> CPreGotoDlg::choosePage(QWidget* parent, int currentPage, int pageCount)
{
    CPreGotoDlg dialog(currentPage, pageCount, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.page();
}

} // namespace pelinor
