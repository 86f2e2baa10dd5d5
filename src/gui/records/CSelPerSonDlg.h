#pragma once

#include "core/records/Classes.h"

#include <QDialog>
#include <optional>

class QComboBox;

namespace pelinor {

// "人员选择": picks one child, first its class, then its name. Returns the name and the archive
// number, which is what the caller goes by.
class CSelPerSonDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CSelPerSonDlg(QWidget* parent = nullptr);

    // Runs the dialog; the chosen child, nothing when it was cancelled.
    static std::optional<ChildRef> pickChild(QWidget* parent);

    ChildRef chosenChild() const;
    QComboBox* classCombo() const;
    QComboBox* nameCombo() const;

public slots:
    void accept() override;

private:
    void chooseClass();

    QComboBox* m_class;
    QComboBox* m_name;
};

} // namespace pelinor
