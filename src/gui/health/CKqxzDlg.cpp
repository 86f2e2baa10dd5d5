#include "gui/health/CKqxzDlg.h"

#include "core/health/Attendance.h"
#include "core/records/ChildLookup.h"
#include "gui/health/HealthUi.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/FormLabel.h"
#include "gui/widgets/Refusals.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pelinor {

CKqxzDlg::CKqxzDlg(QWidget* parent)
    : QDialog(parent)
    , m_date(healthDatePicker(QStringLiteral("dateEdit"), this))
    , m_class(new QComboBox(this))
    , m_name(new QComboBox(this))
    , m_archId(new QLineEdit(this))
    , m_kinds(new QButtonGroup(this))
    , m_remark(new QLineEdit(this))
{
    setObjectName(QStringLiteral("CKqxzDlg"));
    setWindowTitle(QStringLiteral("考勤登记"));
    m_class->setObjectName(QStringLiteral("classCombo"));
    m_name->setObjectName(QStringLiteral("nameCombo"));
    m_archId->setObjectName(QStringLiteral("archIdEdit"));
    m_archId->setReadOnly(true);
    m_remark->setObjectName(QStringLiteral("remarkEdit"));
    m_class->setMinimumWidth(200);

    // Two rows of kinds: late, early, sick; personal, other. The first is chosen.
    auto* kinds = new QGridLayout;
    for (int i = 0; i < kAttendanceKindCount; ++i) {
        const auto kind = kAttendanceKinds[static_cast<std::size_t>(i)];
        auto* radio = new QRadioButton(QString::fromUtf8(kind.data(), static_cast<qsizetype>(kind.size())), this);
        radio->setObjectName(QStringLiteral("kind%1").arg(i));
        m_kinds->addButton(radio, i);
        kinds->addWidget(radio, i / 3, i % 3);
    }
    m_kinds->button(0)->setChecked(true);

    auto* fields = new QGridLayout;
    fields->addWidget(formLabel(QStringLiteral("时        间："), this), 0, 0);
    fields->addWidget(m_date, 0, 1);
    fields->addWidget(formLabel(QStringLiteral("班        级："), this), 1, 0);
    fields->addWidget(m_class, 1, 1);
    fields->addWidget(formLabel(QStringLiteral("姓        名："), this), 2, 0);
    fields->addWidget(m_name, 2, 1);
    fields->addWidget(formLabel(QStringLiteral("学        号："), this), 3, 0);
    fields->addWidget(m_archId, 3, 1);
    fields->addWidget(formLabel(QStringLiteral("事        项："), this), 4, 0, Qt::AlignTop);
    fields->addLayout(kinds, 4, 1);
    fields->addWidget(formLabel(QStringLiteral("说        明："), this), 5, 0);
    fields->addWidget(m_remark, 5, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(saveCancelRow(this));

    connect(m_class, &QComboBox::currentIndexChanged, this, &CKqxzDlg::chooseClass);
    connect(m_name, &QComboBox::currentIndexChanged, this, &CKqxzDlg::chooseName);

    loadClassCombo(m_class);
    m_class->setCurrentIndex(-1);
}

void CKqxzDlg::chooseClass()
{
    m_name->clear();
    m_archId->clear();
    if (m_class->currentIndex() < 0) {
        return;
    }
    const std::string className = ss(m_class->currentText());
    const auto children = runDatabaseWork([&] { return pickableChildren(className); });
    if (!children) {
        return;
    }
    for (const auto& child : *children) {
        m_name->addItem(qs(child.name), qs(child.archId));
    }
    m_name->setCurrentIndex(-1);
}

void CKqxzDlg::chooseName()
{
    m_archId->setText(m_name->currentIndex() < 0 ? QString() : m_name->currentData().toString());
}

void CKqxzDlg::accept()
{
    AttendanceEntry entry;
    entry.date = pickedDate(m_date);
    entry.className = m_class->currentIndex() < 0 ? std::string() : ss(m_class->currentText());
    entry.name = m_name->currentIndex() < 0 ? std::string() : ss(m_name->currentText());
    entry.archId = ss(m_archId->text());
    const int kind = m_kinds->checkedId();
    if (kind >= 0) {
        const auto text = kAttendanceKinds[static_cast<std::size_t>(kind)];
        entry.kind.assign(text.data(), text.size());
    }
    entry.remark = ss(m_remark->text());
    const auto outcome = runChange([&] { return registerAttendance(entry); });
    if (!outcome) {
        return;
    }
    m_savedId = **outcome;
    QDialog::accept();
}

QDateEdit* CKqxzDlg::dateEdit() const
{
    return m_date;
}

QComboBox* CKqxzDlg::classCombo() const
{
    return m_class;
}

QComboBox* CKqxzDlg::nameCombo() const
{
    return m_name;
}

QLineEdit* CKqxzDlg::archIdEdit() const
{
    return m_archId;
}

QButtonGroup* CKqxzDlg::kindGroup() const
{
    return m_kinds;
}

QLineEdit* CKqxzDlg::remarkEdit() const
{
    return m_remark;
}

int CKqxzDlg::savedId() const
{
    return m_savedId;
}

} // namespace pelinor
