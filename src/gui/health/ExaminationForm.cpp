#include "gui/health/ExaminationForm.h"

#include "core/common/DecimalText.h"
#include "core/common/NumberFormat.h"
#include "core/health/Examinations.h"
#include "gui/widgets/FormLabel.h"
#include "gui/widgets/StringConversion.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace pelinor {

namespace {

// The groups' places: four columns of two rows; the diet, the state of health, the doctor and the
// date take the last place.
struct GroupPlace
{
    ExaminationGroup group;
    int row;
    int column;
};
constexpr GroupPlace kPlaces[] = {
    { ExaminationGroup::Basic, 0, 0 },
    { ExaminationGroup::Body, 0, 1 },
    { ExaminationGroup::Internal, 0, 2 },
    { ExaminationGroup::Mouth, 0, 3 },
    { ExaminationGroup::Eyes, 1, 0 },
    { ExaminationGroup::EarNoseThroat, 1, 1 },
    { ExaminationGroup::Surgery, 1, 2 },
    { ExaminationGroup::Closing, 1, 3 },
};

float measurement(const QLineEdit* edit)
{
    return static_cast<float>(wholeDecimal(ss(edit->text())).value_or(0.0));
}

QString measurementText(float value, int decimals)
{
    return value > 0.0f ? qs(formatFixed(value, decimals)) : QString();
}

} // namespace

ExaminationForm::ExaminationForm(bool editable, QWidget* parent)
    : QWidget(parent)
    , m_editable(editable)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    QHash<int, QGridLayout*> groupFields;
    for (const auto& place : kPlaces) {
        auto* box = new QGroupBox(QString::fromUtf8(examinationGroupTitle(place.group)), this);
        auto* fields = new QGridLayout(box);
        fields->setVerticalSpacing(3);
        fields->setColumnStretch(1, 1);
        groupFields.insert(static_cast<int>(place.group), fields);
        grid->addWidget(box, place.row, place.column);
    }
    for (int column = 0; column < 4; ++column) {
        grid->setColumnStretch(column, 1);
    }

    auto addRow = [&](ExaminationGroup group, const QString& label, QWidget* field) {
        auto* fields = groupFields.value(static_cast<int>(group));
        const int row = fields->rowCount();
        fields->addWidget(formLabel(label, fields->parentWidget()), row, 0);
        fields->addWidget(field, row, 1);
    };
    addRow(ExaminationGroup::Basic, QStringLiteral("姓        名："), addLine(QStringLiteral("name"), true));
    addRow(ExaminationGroup::Basic, QStringLiteral("班        级："), addLine(QStringLiteral("className"), true));
    addRow(ExaminationGroup::Basic, QStringLiteral("性        别："), addLine(QStringLiteral("gender"), true));
    addRow(ExaminationGroup::Basic, QStringLiteral("档  案  号："), addLine(QStringLiteral("archId"), true));
    addRow(ExaminationGroup::Body, QStringLiteral("身高(cm)："), addLine(QStringLiteral("height"), !editable));
    addRow(ExaminationGroup::Body, QStringLiteral("体重(kg)："), addLine(QStringLiteral("weight"), !editable));
    addRow(ExaminationGroup::Body, QStringLiteral("体质指数(BMI)："), addLine(QStringLiteral("bmi"), true));
    for (const auto& field : kExaminationTextFields) {
        if (field.member != &Examination::healthState) {
            addRow(field.group, QString::fromUtf8(field.formLabel), addLine(QString::fromLatin1(field.key), !editable));
        }
    }
    // The state of health takes a few lines; the doctor signs, the date is the examination's.
    m_healthState = new QPlainTextEdit(this);
    m_healthState->setObjectName(QStringLiteral("healthStateEdit"));
    m_healthState->setReadOnly(!editable);
    m_healthState->setTabChangesFocus(true);
    m_healthState->setFixedHeight(56);
    auto* closing = groupFields.value(static_cast<int>(ExaminationGroup::Closing));
    closing->addWidget(formLabel(QStringLiteral("健康状况："), closing->parentWidget()), closing->rowCount(), 0,
        Qt::AlignTop | Qt::AlignRight);
    closing->addWidget(m_healthState, closing->rowCount() - 1, 1);
    addRow(ExaminationGroup::Closing, QStringLiteral("主检医生："), addLine(QStringLiteral("doctor"), !editable));
    addRow(ExaminationGroup::Closing, QStringLiteral("体检日期："), addLine(QStringLiteral("date"), true));
    for (auto* fields : groupFields) {
        fields->setRowStretch(fields->rowCount(), 1);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    layout->addStretch();

    if (editable) {
        // Centimetres and kilograms with one decimal, as they are stored.
        const QRegularExpression measure(QStringLiteral("[0-9]{0,3}(\\.[0-9]?)?"));
        for (const char* key : { "height", "weight" }) {
            auto* edit = lineEdit(QString::fromLatin1(key));
            edit->setValidator(new QRegularExpressionValidator(measure, edit));
            connect(edit, &QLineEdit::textChanged, this, &ExaminationForm::updateBmi);
        }
    }
}

QLineEdit* ExaminationForm::addLine(const QString& key, bool readOnly)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(key + QStringLiteral("Edit"));
    edit->setReadOnly(readOnly);
    edit->setMinimumWidth(80);
    m_lines.insert(key, edit);
    return edit;
}

QLineEdit* ExaminationForm::lineEdit(const QString& key) const
{
    return m_lines.value(key);
}

QPlainTextEdit* ExaminationForm::healthStateEdit() const
{
    return m_healthState;
}

void ExaminationForm::updateBmi()
{
    const auto bmi = bodyMassIndex(
        measurement(lineEdit(QStringLiteral("height"))), measurement(lineEdit(QStringLiteral("weight"))));
    lineEdit(QStringLiteral("bmi"))->setText(bmi ? qs(formatFixed(*bmi, 3)) : QString());
    emit measurementsChanged();
}

void ExaminationForm::showExamination(const Examination& e)
{
    m_loaded = e;
    lineEdit(QStringLiteral("name"))->setText(qs(e.name));
    lineEdit(QStringLiteral("className"))->setText(qs(e.className));
    lineEdit(QStringLiteral("gender"))->setText(qs(e.gender));
    lineEdit(QStringLiteral("archId"))->setText(qs(e.archId));
    lineEdit(QStringLiteral("height"))->setText(measurementText(e.height, 1));
    lineEdit(QStringLiteral("weight"))->setText(measurementText(e.weight, 1));
    // The stored index, as it was saved.
    lineEdit(QStringLiteral("bmi"))->setText(measurementText(e.bmi, 3));
    for (const auto& field : kExaminationTextFields) {
        if (field.member == &Examination::healthState) {
            m_healthState->setPlainText(qs(e.*field.member));
        } else {
            lineEdit(QString::fromLatin1(field.key))->setText(qs(e.*field.member));
        }
    }
    lineEdit(QStringLiteral("doctor"))->setText(qs(e.doctor));
    lineEdit(QStringLiteral("date"))->setText(qs(e.date));
}

Examination ExaminationForm::examination() const
{
    Examination e = m_loaded;
    e.height = measurement(lineEdit(QStringLiteral("height")));
    e.weight = measurement(lineEdit(QStringLiteral("weight")));
    e.bmi = bodyMassIndex(e.height, e.weight).value_or(0.0f);
    for (const auto& field : kExaminationTextFields) {
        if (field.member == &Examination::healthState) {
            e.*field.member = ss(m_healthState->toPlainText());
        } else {
            e.*field.member = ss(lineEdit(QString::fromLatin1(field.key))->text());
        }
    }
    e.doctor = ss(lineEdit(QStringLiteral("doctor"))->text());
    return e;
}

void ExaminationForm::clear()
{
    showExamination(Examination {});
}

} // namespace pelinor
