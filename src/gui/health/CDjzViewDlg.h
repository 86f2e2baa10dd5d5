#pragma once

#include "core/health/DueVaccinations.h"

#include <QDialog>
#include <vector>

class QComboBox;

namespace pelinor {

class CListCtrlCl;

// "待接种": the vaccines the children of a class are due for today, with the last day of each
// window; printable through the preview.
class CDjzViewDlg : public QDialog
{
    Q_OBJECT

public:
    CDjzViewDlg(const QString& className, QWidget* parent = nullptr);

    void reload();
    void print();

    const std::vector<DueVaccination>& due() const;
    QString className() const;
    CListCtrlCl* list() const;
    QComboBox* classCombo() const;

private:
    QComboBox* m_class;
    CListCtrlCl* m_list;
    std::vector<DueVaccination> m_due;
    QString m_builtClass;
    QString m_builtDay;
};

} // namespace pelinor
