#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;

namespace pelinor {

// "班级编辑": one class name, for a new class (adding) or a new name for an existing one
// (renaming). OK runs the change through the core; a refusal is shown and the dialog stays open.
class CBjEditDlg : public QDialog
{
    Q_OBJECT

public:
    // Adding when `currentName` is empty, renaming that class otherwise.
    explicit CBjEditDlg(const QString& currentName = {}, QWidget* parent = nullptr);

    // Runs the dialog; the name the class has afterwards, nothing when it was cancelled.
    static std::optional<QString> addClass(QWidget* parent);
    static std::optional<QString> renameClass(const QString& currentName, QWidget* parent);

    bool isRenaming() const;
    QLineEdit* nameEdit() const;

public slots:
    void accept() override;

private:
    QString m_currentName;
    QLineEdit* m_name;
};

} // namespace pelinor
