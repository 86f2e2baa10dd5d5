#include "gui/health/VaccineDialogBase.h"

#include "gui/health/HealthUi.h"
#include "gui/widgets/FormLabel.h"
#include "gui/widgets/Refusals.h"
#include "gui/widgets/StringConversion.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace pelinor {

VaccineDialogBase::VaccineDialogBase(QWidget* parent)
    : QDialog(parent)
    , m_name(new QLineEdit(this))
    , m_start(new QLineEdit(this))
    , m_end(new QLineEdit(this))
    , m_diseases(new QPlainTextEdit(this))
{
    setWindowTitle(QStringLiteral("免疫疫苗添加"));
    m_name->setObjectName(QStringLiteral("nameEdit"));
    m_start->setObjectName(QStringLiteral("startEdit"));
    m_end->setObjectName(QStringLiteral("endEdit"));
    m_diseases->setObjectName(QStringLiteral("diseasesEdit"));
    m_name->setMinimumWidth(260);
    m_start->setMaxLength(4);
    m_end->setMaxLength(4);
    m_diseases->setTabChangesFocus(true);
    m_diseases->setFixedHeight(90);

    auto* fields = new QGridLayout;
    fields->addWidget(formLabel(QStringLiteral("疫苗名称："), this), 0, 0);
    fields->addWidget(m_name, 0, 1);
    fields->addWidget(formLabel(QStringLiteral("接种起始时间："), this), 1, 0);
    fields->addWidget(m_start, 1, 1);
    fields->addWidget(formLabel(QStringLiteral("接种终止时间："), this), 2, 0);
    fields->addWidget(m_end, 2, 1);
    fields->addWidget(formLabel(QStringLiteral("防治疾病："), this), 3, 0, Qt::AlignTop);
    fields->addWidget(m_diseases, 3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(saveCancelRow(this));

    connect(m_start, &QLineEdit::textEdited, this, [this] { keepDigits(m_start); });
    connect(m_end, &QLineEdit::textEdited, this, [this] { keepDigits(m_end); });
}

void VaccineDialogBase::keepDigits(QLineEdit* edit)
{
    const QString text = edit->text();
    if (isMonthText(ss(text))) {
        return;
    }
    QString digits;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digits += c;
        }
    }
    edit->setText(digits);
    showMessage(QString::fromUtf8(kDigitsOnlyMessage), QString::fromUtf8(kDigitsOnlyCaption));
}

Vaccine VaccineDialogBase::vaccine() const
{
    Vaccine v = m_shown;
    v.name = ss(m_name->text());
    v.startMonth = ss(m_start->text());
    v.endMonth = ss(m_end->text());
    v.diseases = ss(m_diseases->toPlainText());
    return v;
}

void VaccineDialogBase::showVaccine(const Vaccine& v)
{
    m_shown = v;
    m_name->setText(qs(v.name));
    m_start->setText(qs(v.startMonth));
    m_end->setText(qs(v.endMonth));
    m_diseases->setPlainText(qs(v.diseases));
}

QLineEdit* VaccineDialogBase::nameEdit() const
{
    return m_name;
}

QLineEdit* VaccineDialogBase::startEdit() const
{
    return m_start;
}

QLineEdit* VaccineDialogBase::endEdit() const
{
    return m_end;
}

QPlainTextEdit* VaccineDialogBase::diseasesEdit() const
{
    return m_diseases;
}

} // namespace pelinor
