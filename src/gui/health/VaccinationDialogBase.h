#pragma once

#include "core/health/Vaccinations.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

namespace pelinor {

// The vaccination dialogs' fields: class, name, archive number, vaccine, date, place and remark.
// Entry picks class, child and vaccine from lists; edit keeps class and child and changes the rest;
// view shows everything read-only.
class VaccinationDialogBase : public QDialog
{
    Q_OBJECT

public:
    enum class Mode
    {
        Enter,
        Edit,
        View,
    };

    QComboBox* classCombo() const;
    QComboBox* nameCombo() const;
    QComboBox* vaccineCombo() const;
    QLineEdit* classEdit() const;
    QLineEdit* nameEdit() const;
    QLineEdit* archIdEdit() const;
    QLineEdit* vaccineEdit() const;
    QDateEdit* dateEdit() const;
    QLineEdit* placeEdit() const;
    QLineEdit* remarkEdit() const;

protected:
    VaccinationDialogBase(Mode mode, const QString& title, QWidget* parent);

    // Shows a stored vaccination (edit and view).
    void showVaccination(const Vaccination& vaccination);
    // The vaccination as the fields hold it; the number and the fields the dialog does not change
    // come from the one shown.
    Vaccination vaccination() const;

    Mode m_mode;
    Vaccination m_shown;

private:
    void chooseClass();
    void chooseName();

    QComboBox* m_classCombo = nullptr;
    QComboBox* m_nameCombo = nullptr;
    QComboBox* m_vaccineCombo = nullptr;
    QLineEdit* m_classEdit = nullptr;
    QLineEdit* m_nameEdit = nullptr;
    QLineEdit* m_vaccineEdit = nullptr;
    QLineEdit* m_archId;
    QDateEdit* m_date;
    QLineEdit* m_place;
    QLineEdit* m_remark;
};

} // namespace pelinor
