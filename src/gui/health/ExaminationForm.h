#pragma once

#include "core/health/Examination.h"

#include <QHash>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

namespace pelinor {

// The fields of one examination in their framed groups, as the entry form and the report page show
// them: editable on the form (name, class, sex, archive number, BMI and date read-only), all
// read-only on the report page. The form keeps the examination's number and the values it does not
// show, so a save replaces the record it was loaded from.
class ExaminationForm : public QWidget
{
    Q_OBJECT

public:
    explicit ExaminationForm(bool editable, QWidget* parent = nullptr);

    void showExamination(const Examination& examination);
    // The examination as the fields hold it (height and weight 0 when they hold no number).
    Examination examination() const;
    void clear();

    // A field by its key: "name", "className", "gender", "archId", "height", "weight", "bmi",
    // "date", "doctor", or a finding's key (kExaminationTextFields).
    QLineEdit* lineEdit(const QString& key) const;
    QPlainTextEdit* healthStateEdit() const;

signals:
    void measurementsChanged();

private:
    QLineEdit* addLine(const QString& key, bool readOnly);
    void updateBmi();

    bool m_editable;
    Examination m_loaded;
    QHash<QString, QLineEdit*> m_lines;
    QPlainTextEdit* m_healthState = nullptr;
};

} // namespace pelinor
