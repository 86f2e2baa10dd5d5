#include "gui/health/VaccinationDialogBase.h"

#include "core/health/Vaccines.h"
#include "core/records/ChildLookup.h"
#include "gui/health/HealthUi.h"
#include "gui/widgets/ComboBoxes.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/FormLabel.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelinor {

namespace {

QLineEdit* line(const QString& objectName, bool readOnly, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setReadOnly(readOnly);
    edit->setMinimumWidth(220);
    return edit;
}

QComboBox* combo(const QString& objectName, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(objectName);
    box->setMinimumWidth(220);
    return box;
}

} // namespace

VaccinationDialogBase::VaccinationDialogBase(Mode mode, const QString& title, QWidget* parent)
    : QDialog(parent)
    , m_mode(mode)
    , m_archId(line(QStringLiteral("archIdEdit"), true, this))
    , m_date(healthDatePicker(QStringLiteral("dateEdit"), this))
    , m_place(line(QStringLiteral("placeEdit"), mode == Mode::View, this))
    , m_remark(line(QStringLiteral("remarkEdit"), mode == Mode::View, this))
{
    setWindowTitle(title);
    QWidget* classField = nullptr;
    QWidget* nameField = nullptr;
    QWidget* vaccineField = nullptr;
    if (mode == Mode::Enter) {
        classField = m_classCombo = combo(QStringLiteral("classCombo"), this);
        nameField = m_nameCombo = combo(QStringLiteral("nameCombo"), this);
    } else {
        classField = m_classEdit = line(QStringLiteral("classEdit"), true, this);
        nameField = m_nameEdit = line(QStringLiteral("nameEdit"), true, this);
    }
    if (mode == Mode::View) {
        vaccineField = m_vaccineEdit = line(QStringLiteral("vaccineEdit"), true, this);
        m_date->setReadOnly(true);
        m_date->setCalendarPopup(false);
        m_date->setButtonSymbols(QAbstractSpinBox::NoButtons);
    } else {
        vaccineField = m_vaccineCombo = combo(QStringLiteral("vaccineCombo"), this);
    }

    auto* fields = new QGridLayout;
    const std::pair<const char*, QWidget*> rows[] = {
        { "班        级：", classField },
        { "姓        名：", nameField },
        { "档  案  号：", m_archId },
        { "接种疫苗：", vaccineField },
        { "接种时间：", m_date },
        { "接种地点：", m_place },
        { "说        明：", m_remark },
    };
    int row = 0;
    for (const auto& [label, field] : rows) {
        fields->addWidget(formLabel(QString::fromUtf8(label), this), row, 0);
        fields->addWidget(field, row, 1);
        ++row;
    }
    QHBoxLayout* buttons = nullptr;
    if (mode == Mode::View) {
        auto* close = new QPushButton(QStringLiteral("关闭"), this);
        close->setObjectName(QStringLiteral("closeButton"));
        close->setDefault(true);
        connect(close, &QPushButton::clicked, this, &QDialog::accept);
        buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(close);
    } else {
        buttons = saveCancelRow(this);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    if (m_vaccineCombo) {
        std::vector<std::string> names;
        if (const auto vaccines = runDatabaseWork([] { return loadVaccines(); })) {
            for (const auto& vaccine : *vaccines) {
                names.push_back(vaccine.name);
            }
        }
        fillCombo(m_vaccineCombo, names, -1);
    }
    if (m_classCombo) {
        loadClassCombo(m_classCombo);
        m_classCombo->setCurrentIndex(-1);
        connect(m_classCombo, &QComboBox::currentIndexChanged, this, &VaccinationDialogBase::chooseClass);
        connect(m_nameCombo, &QComboBox::currentIndexChanged, this, &VaccinationDialogBase::chooseName);
    }
}

void VaccinationDialogBase::chooseClass()
{
    m_nameCombo->clear();
    m_archId->clear();
    if (m_classCombo->currentIndex() < 0) {
        return;
    }
    const std::string className = ss(m_classCombo->currentText());
    const auto children = runDatabaseWork([&] { return pickableChildren(className); });
    if (!children) {
        return;
    }
    for (const auto& child : *children) {
        m_nameCombo->addItem(qs(child.name), qs(child.archId));
    }
    m_nameCombo->setCurrentIndex(-1);
}

void VaccinationDialogBase::chooseName()
{
    m_archId->setText(m_nameCombo->currentIndex() < 0 ? QString() : m_nameCombo->currentData().toString());
}

void VaccinationDialogBase::showVaccination(const Vaccination& v)
{
    m_shown = v;
    if (m_classEdit) {
        m_classEdit->setText(qs(v.className));
        m_nameEdit->setText(qs(v.name));
    }
    m_archId->setText(qs(v.archId));
    if (m_vaccineCombo) {
        selectComboText(m_vaccineCombo, qs(v.vaccine));
    } else {
        m_vaccineEdit->setText(qs(v.vaccine));
    }
    showStoredDate(m_date, v.date);
    m_place->setText(qs(v.place));
    m_remark->setText(qs(v.remark));
}

Vaccination VaccinationDialogBase::vaccination() const
{
    Vaccination v = m_shown;
    if (m_classCombo) {
        v.className = m_classCombo->currentIndex() < 0 ? std::string() : ss(m_classCombo->currentText());
        v.name = m_nameCombo->currentIndex() < 0 ? std::string() : ss(m_nameCombo->currentText());
        v.archId = ss(m_archId->text());
    }
    if (m_vaccineCombo) {
        v.vaccine = m_vaccineCombo->currentIndex() < 0 ? std::string() : ss(m_vaccineCombo->currentText());
    }
    v.date = pickedDate(m_date);
    v.place = ss(m_place->text());
    v.remark = ss(m_remark->text());
    return v;
}

QComboBox* VaccinationDialogBase::classCombo() const
{
    return m_classCombo;
}

QComboBox* VaccinationDialogBase::nameCombo() const
{
    return m_nameCombo;
}

QComboBox* VaccinationDialogBase::vaccineCombo() const
{
    return m_vaccineCombo;
}

QLineEdit* VaccinationDialogBase::classEdit() const
{
    return m_classEdit;
}

QLineEdit* VaccinationDialogBase::nameEdit() const
{
    return m_nameEdit;
}

QLineEdit* VaccinationDialogBase::archIdEdit() const
{
    return m_archId;
}

QLineEdit* VaccinationDialogBase::vaccineEdit() const
{
    return m_vaccineEdit;
}

QDateEdit* VaccinationDialogBase::dateEdit() const
{
    return m_date;
}

QLineEdit* VaccinationDialogBase::placeEdit() const
{
    return m_place;
}

QLineEdit* VaccinationDialogBase::remarkEdit() const
{
    return m_remark;
}

} // namespace pelinor
