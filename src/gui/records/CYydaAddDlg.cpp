#include "gui/records/CYydaAddDlg.h"

#include "core/common/CalendarDate.h"
#include "core/common/Clock.h"
#include "core/records/ArchiveNumbers.h"
#include "core/records/Archives.h"
#include "core/records/Classes.h"
#include "gui/navigation/Navigator.h"
#include "gui/records/CYydaCjDlg.h"
#include "gui/widgets/ActionButtons.h"
#include "gui/widgets/CPictureButton.h"
#include "gui/widgets/ComboBoxes.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/FormLabel.h"
#include "gui/widgets/Refusals.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>

namespace pelinor {

namespace {

constexpr int kTelephoneLength = 11;
const char* const kDateFormat = "yyyy-MM-dd";

QDate programToday()
{
    const DateTime today = programClock().today();
    return QDate(today.year, today.month, today.day);
}

QString dateText(const QDateEdit* picker)
{
    return picker->date().toString(QString::fromLatin1(kDateFormat));
}

QDateEdit* datePicker(const QString& objectName, QWidget* parent)
{
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(objectName);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QString::fromLatin1(kDateFormat));
    picker->setMinimumWidth(120);
    return picker;
}

QLineEdit* lineEdit(const QString& objectName, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    return edit;
}

QComboBox* choiceCombo(const QString& objectName, const std::vector<std::string>& choices, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(objectName);
    fillCombo(combo, choices);
    return combo;
}

// A required box: the box with a red star after it.
QWidget* required(QWidget* box, QWidget* parent)
{
    auto* holder = new QWidget(parent);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    row->addWidget(box, 1);
    auto* star = new QLabel(QStringLiteral("*"), holder);
    star->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    row->addWidget(star);
    return holder;
}

// Height in cm and weight in kg: digits with at most one decimal point.
void numbersOnly(QLineEdit* edit)
{
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}(\\.[0-9]{0,2})?")), edit));
}

} // namespace

void CYydaAddDlg::showStoredDate(QDateEdit* picker, StoredDate& stored, const std::string& text)
{
    const auto date = parseCalendarDate(text);
    picker->setDate(date ? QDate(date->year, date->month, date->day) : programToday());
    stored = { text, picker->date() };
}

std::string CYydaAddDlg::keptDate(const QDateEdit* picker, const StoredDate& stored) const
{
    if (!m_isNew && picker->date() == stored.shown) {
        return stored.text;
    }
    return ss(dateText(picker));
}

ItemChoice CYydaAddDlg::ItemGroup::choice() const
{
    ItemChoice result;
    result.none = none->isChecked();
    for (size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i]->isChecked()) {
            result.checked.insert((*items)[i]);
        }
    }
    result.other = ss(other->text().trimmed());
    return result;
}

void CYydaAddDlg::ItemGroup::show(const ItemChoice& choice) const
{
    none->setChecked(choice.none);
    for (size_t i = 0; i < boxes.size(); ++i) {
        boxes[i]->setChecked(choice.checked.contains((*items)[i]));
    }
    other->setText(qs(choice.other));
}

CYydaAddDlg::CYydaAddDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_archId(lineEdit(QStringLiteral("archIdEdit"), this))
    , m_name(lineEdit(QStringLiteral("nameEdit"), this))
    , m_gender(choiceCombo(QStringLiteral("genderCombo"), genderChoices(), this))
    , m_nation(choiceCombo(QStringLiteral("nationCombo"), nationChoices(), this))
    , m_height(lineEdit(QStringLiteral("heightEdit"), this))
    , m_weight(lineEdit(QStringLiteral("weightEdit"), this))
    , m_birth(datePicker(QStringLiteral("birthDate"), this))
    , m_school(lineEdit(QStringLiteral("schoolEdit"), this))
    , m_inTime(datePicker(QStringLiteral("inTimeDate"), this))
    , m_class(new QComboBox(this))
    , m_studentId(lineEdit(QStringLiteral("studentIdEdit"), this))
    , m_residence(choiceCombo(QStringLiteral("residenceCombo"), residenceChoices(), this))
    , m_address(lineEdit(QStringLiteral("addressEdit"), this))
    , m_guardian(lineEdit(QStringLiteral("guardianEdit"), this))
    , m_guardianTel(lineEdit(QStringLiteral("guardianTelEdit"), this))
    , m_relation(lineEdit(QStringLiteral("relationEdit"), this))
    , m_abo(choiceCombo(QStringLiteral("aboCombo"), aboBloodChoices(), this))
    , m_rh(choiceCombo(QStringLiteral("rhCombo"), rhBloodChoices(), this))
{
    m_archId->setReadOnly(true);
    m_studentId->setReadOnly(true);
    m_class->setObjectName(QStringLiteral("classCombo"));
    m_guardianTel->setMaxLength(kTelephoneLength);
    numbersOnly(m_height);
    numbersOnly(m_weight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 10, 16, 10);
    layout->setSpacing(8);
    layout->addLayout(buildForm());
    layout->addLayout(buildItemGroups());
    layout->addStretch();
    layout->addLayout(buildButtons());
    connect(m_class, &QComboBox::activated, this, &CYydaAddDlg::chooseClass);
    startNew();
}

QGridLayout* CYydaAddDlg::buildForm()
{
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->setVerticalSpacing(6);
    auto place = [&](int row, int pair, const QString& label, QWidget* box, int pairs = 1) {
        fields->addWidget(formLabel(label, this), row, pair * 2);
        fields->addWidget(box, row, pair * 2 + 1, 1, pairs * 2 - 1);
    };
    place(0, 0, QStringLiteral("档案编号："), m_archId);
    place(0, 1, QStringLiteral("姓        名："), required(m_name, this));
    place(0, 2, QStringLiteral("性        别："), m_gender);
    place(1, 0, QStringLiteral("民        族："), m_nation);
    place(1, 1, QStringLiteral("身  高(cm)："), required(m_height, this));
    place(1, 2, QStringLiteral("体    重(kg)："), required(m_weight, this));
    place(2, 0, QStringLiteral("出生日期："), m_birth);
    place(2, 1, QStringLiteral("入学日期："), m_inTime);
    place(2, 2, QStringLiteral("学校名称："), m_school);
    place(3, 0, QStringLiteral("班        级："), m_class);
    place(3, 1, QStringLiteral("学        号："), m_studentId);
    place(3, 2, QStringLiteral("常住类型："), m_residence);
    place(4, 0, QStringLiteral("监  护  人："), m_guardian);
    place(4, 1, QStringLiteral("监护人电话："), m_guardianTel);
    place(4, 2, QStringLiteral("与监护人关系："), m_relation);
    place(5, 0, QStringLiteral("ABO血型："), m_abo);
    place(5, 1, QStringLiteral("Rh血型："), m_rh);
    place(6, 0, QStringLiteral("家庭住址："), m_address, 3);
    for (int column = 1; column < 6; column += 2) {
        fields->setColumnStretch(column, 1);
    }
    return fields;
}

QGridLayout* CYydaAddDlg::buildItemGroups()
{
    m_allergy.items = &allergyItems();
    m_illness.items = &illnessItems();
    m_disability.items = &disabilityItems();
    auto* groups = new QGridLayout;
    groups->setVerticalSpacing(4);
    groups->addWidget(formLabel(QStringLiteral("过敏反应："), this), 0, 0, Qt::AlignTop | Qt::AlignRight);
    groups->addWidget(buildGroup(m_allergy, QStringLiteral("allergy"), { 4 }, true), 0, 1);
    groups->addWidget(formLabel(QStringLiteral("疾  病  史："), this), 1, 0, Qt::AlignTop | Qt::AlignRight);
    groups->addWidget(buildGroup(m_illness, QStringLiteral("illness"), { 7, 6 }, true), 1, 1);
    groups->addWidget(formLabel(QStringLiteral("有无残疾："), this), 2, 0, Qt::AlignTop | Qt::AlignRight);
    groups->addWidget(buildGroup(m_disability, QStringLiteral("disability"), { 7 }, false), 2, 1);

    auto* signs = new QGridLayout;
    signs->setContentsMargins(0, 0, 0, 0);
    for (const auto& sign : clinicalSigns()) {
        auto* box = new QCheckBox(qs(sign.text), this);
        box->setObjectName(QStringLiteral("sign") + qs(sign.code));
        const int index = static_cast<int>(m_signs.size());
        signs->addWidget(box, index / 4, index % 4);
        m_signs.push_back(box);
    }
    groups->addWidget(formLabel(QStringLiteral("临床表现："), this), 3, 0, Qt::AlignTop | Qt::AlignRight);
    groups->addLayout(signs, 3, 1);
    groups->setColumnStretch(1, 1);
    return groups;
}

QHBoxLayout* CYydaAddDlg::buildButtons()
{
    auto* saveButton = actionButton(QStringLiteral("saveButton"), QStringLiteral("save"), QStringLiteral("保存"), this);
    auto* cancelButton
        = actionButton(QStringLiteral("cancelButton"), QStringLiteral("cancel"), QStringLiteral("取消"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addSpacing(16);
    buttons->addWidget(cancelButton);
    buttons->addStretch();
    connect(saveButton, &QAbstractButton::clicked, this, &CYydaAddDlg::save);
    connect(cancelButton, &QAbstractButton::clicked, this, &CYydaAddDlg::cancel);
    return buttons;
}

QWidget* CYydaAddDlg::buildGroup(ItemGroup& group, const QString& name, const QList<int>& rowSizes, bool otherInline)
{
    auto* holder = new QWidget(this);
    auto* grid = new QGridLayout(holder);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    group.none = new QCheckBox(QStringLiteral("无"), holder);
    group.none->setObjectName(name + QStringLiteral("None"));
    std::vector<QCheckBox*> cells { group.none };
    for (size_t i = 0; i < group.items->size(); ++i) {
        auto* box = new QCheckBox(qs((*group.items)[i]), holder);
        box->setObjectName(name + QString::number(i));
        group.boxes.push_back(box);
        cells.push_back(box);
    }
    group.other = new QLineEdit(holder);
    group.other->setObjectName(name + QStringLiteral("Other"));
    group.other->setMinimumWidth(120);

    // The boxes line up in columns; one more column after them takes what width is left.
    const int columns = *std::max_element(rowSizes.begin(), rowSizes.end());
    size_t next = 0;
    int row = 0;
    int used = 0;
    for (const int size : rowSizes) {
        used = 0;
        for (; used < size && next < cells.size(); ++used) {
            grid->addWidget(cells[next++], row, used);
        }
        ++row;
    }
    --row;
    if (!otherInline) {
        ++row;
        used = 0;
    }
    auto* other = new QHBoxLayout;
    other->addWidget(new QLabel(QStringLiteral("其    他："), holder));
    other->addWidget(group.other, 1);
    grid->addLayout(other, row, used, 1, columns + 1 - used);
    grid->setColumnStretch(columns, 1);

    // "无" outweighs everything else of the group: the other boxes rest while it is checked.
    QList<QWidget*> rest { group.other };
    for (auto* box : group.boxes) {
        rest.append(box);
    }
    connect(group.none, &QCheckBox::toggled, holder, [rest](bool none) {
        for (auto* widget : rest) {
            widget->setEnabled(!none);
        }
    });
    return holder;
}

void CYydaAddDlg::fillClasses()
{
    const auto names = runDatabaseWork([] { return loadClassNames(); });
    fillCombo(m_class, names.value_or(std::vector<std::string>()), 0);
}

bool CYydaAddDlg::startNew(bool sayWhy)
{
    const auto archId = runDatabaseWork([] { return newArchiveId(); });
    m_isNew = true;
    m_archId->setText(archId && archId->ok() ? qs(archId->value()) : QString());
    if (archId && !archId->ok() && sayWhy) {
        showRefusal(*archId);
    }
    for (auto* edit : { m_name, m_height, m_weight, m_school, m_address, m_guardian, m_guardianTel, m_relation }) {
        edit->clear();
    }
    // Entries added for a loaded archive's unusual values go again.
    fillCombo(m_gender, genderChoices());
    fillCombo(m_nation, nationChoices());
    fillCombo(m_residence, residenceChoices());
    fillCombo(m_abo, aboBloodChoices());
    fillCombo(m_rh, rhBloodChoices());
    m_birth->setDate(programToday());
    m_inTime->setDate(programToday());
    for (const ItemGroup* group : { &m_allergy, &m_illness, &m_disability }) {
        group->show({});
    }
    for (auto* box : m_signs) {
        box->setChecked(false);
    }
    fillClasses();
    // A new child gets the student number of the class the list starts on.
    m_studentId->clear();
    chooseClass();
    return archId && archId->ok();
}

bool CYydaAddDlg::loadArchive(const QString& archId)
{
    const auto stored = runDatabaseWork([&] { return pelinor::loadArchive(ss(archId)); });
    if (!stored || !*stored) {
        return false;
    }
    const ArchiveRecord& a = **stored;
    m_isNew = false;
    fillClasses();
    fillCombo(m_gender, genderChoices());
    fillCombo(m_nation, nationChoices());
    fillCombo(m_residence, residenceChoices());
    fillCombo(m_abo, aboBloodChoices());
    fillCombo(m_rh, rhBloodChoices());
    m_archId->setText(qs(a.archId));
    m_name->setText(qs(a.archName));
    selectComboText(m_gender, qs(a.gender));
    selectComboText(m_nation, qs(a.nation));
    m_height->setText(qs(a.height));
    m_weight->setText(qs(a.weight));
    showStoredDate(m_birth, m_storedBirth, a.birth);
    m_school->setText(qs(a.schoolName));
    showStoredDate(m_inTime, m_storedInTime, a.inTime);
    selectComboText(m_class, qs(a.className));
    m_studentId->setText(qs(a.studentId));
    selectComboText(m_residence, qs(a.hjCla));
    m_address->setText(qs(a.address));
    m_guardian->setText(qs(a.guardianName));
    m_guardianTel->setText(qs(a.guardianTel));
    m_relation->setText(qs(a.guardianRelation));
    selectComboText(m_abo, qs(a.aboBlood));
    selectComboText(m_rh, qs(a.rhBlood));
    m_allergy.show(readItemList(allergyItems(), a.allergy));
    m_illness.show(readItemList(illnessItems(), a.ill));
    m_disability.show(readItemList(disabilityItems(), a.disable));
    const auto codes = readSignCodes(a.lcbx);
    for (size_t i = 0; i < m_signs.size(); ++i) {
        m_signs[i]->setChecked(codes.contains(clinicalSigns()[i].code));
    }
    return true;
}

void CYydaAddDlg::chooseClass()
{
    if (m_class->currentIndex() < 0) {
        return;
    }
    const auto number
        = runDatabaseWork([&] { return studentNumberForForm(ss(m_archId->text()), ss(m_class->currentText())); });
    // A class the class table no longer knows keeps the number the archive has.
    if (number && !number->empty()) {
        m_studentId->setText(qs(*number));
    }
}

ArchiveRecord CYydaAddDlg::formArchive() const
{
    ArchiveRecord a;
    a.archId = ss(m_archId->text());
    a.archName = ss(m_name->text());
    a.gender = ss(m_gender->currentText());
    a.nation = ss(m_nation->currentText());
    a.height = ss(m_height->text());
    a.weight = ss(m_weight->text());
    a.birth = keptDate(m_birth, m_storedBirth);
    a.schoolName = ss(m_school->text());
    a.inTime = keptDate(m_inTime, m_storedInTime);
    a.className = ss(m_class->currentText());
    a.studentId = ss(m_studentId->text());
    a.hjCla = ss(m_residence->currentText());
    a.address = ss(m_address->text());
    a.guardianName = ss(m_guardian->text());
    a.guardianTel = ss(m_guardianTel->text());
    a.guardianRelation = ss(m_relation->text());
    a.aboBlood = ss(m_abo->currentText());
    a.rhBlood = ss(m_rh->currentText());
    a.allergy = buildItemList(allergyItems(), m_allergy.choice());
    a.ill = buildItemList(illnessItems(), m_illness.choice());
    a.disable = buildItemList(disabilityItems(), m_disability.choice());
    std::set<std::string> codes;
    for (size_t i = 0; i < m_signs.size(); ++i) {
        if (m_signs[i]->isChecked()) {
            codes.insert(clinicalSigns()[i].code);
        }
    }
    a.lcbx = buildSignCodes(codes);
    return a;
}

bool CYydaAddDlg::save()
{
    const ArchiveRecord archive = formArchive();
    const auto outcome
        = runDatabaseWork([&] { return saveArchive(archive, m_isNew ? ArchiveSave::New : ArchiveSave::Edit); });
    if (!outcome) {
        return false;
    }
    if (!outcome->ok()) {
        showRefusal(*outcome);
        return false;
    }
    startNew();
    backToList();
    return true;
}

void CYydaAddDlg::cancel()
{
    startNew();
    backToList();
}

void CYydaAddDlg::backToList()
{
    if (auto* list = navigator().pageAs<CYydaCjDlg>(PageId::ArchiveList)) {
        list->reloadList();
    }
    navigator().showPage(PageId::ArchiveList);
}

QLineEdit* CYydaAddDlg::edit(const char* objectName) const
{
    return findChild<QLineEdit*>(QString::fromLatin1(objectName));
}

QComboBox* CYydaAddDlg::combo(const char* objectName) const
{
    return findChild<QComboBox*>(QString::fromLatin1(objectName));
}

QDateEdit* CYydaAddDlg::date(const char* objectName) const
{
    return findChild<QDateEdit*>(QString::fromLatin1(objectName));
}

QCheckBox* CYydaAddDlg::check(const QString& objectName) const
{
    return findChild<QCheckBox*>(objectName);
}

} // namespace pelinor
