#include "gui/records/CYydaDisplayDlg.h"

#include "core/records/Archives.h"
#include "core/records/GrowthEvaluation.h"
#include "gui/navigation/Navigator.h"
#include "gui/widgets/ActionButtons.h"
#include "gui/widgets/CPictureButton.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/FormLabel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace pelinor {

namespace {

// The boxes in reading order, three to a row; a box with a span of 3 takes a whole row's width
// but for the pair beside it.
struct BoxPlace
{
    const char* label;
    int row;
    int pair;
    int pairs;
};

const BoxPlace kPlaces[] = {
    { "档案编号：", 0, 0, 1 },
    { "姓        名：", 0, 1, 1 },
    { "性        别：", 0, 2, 1 },
    { "民        族：", 1, 0, 1 },
    { "身   高(cm)：", 1, 1, 1 },
    { "体    重(kg)：", 1, 2, 1 },
    { "年        龄：", 2, 0, 1 },
    { "学校名称：", 2, 1, 1 },
    { "入学日期：", 2, 2, 1 },
    { "班        级：", 3, 0, 1 },
    { "学        号：", 3, 1, 1 },
    { "常住类型：", 3, 2, 1 },
    { "家庭住址：", 4, 0, 2 },
    { "监  护  人：", 4, 2, 1 },
    { "监护人电话：", 5, 0, 1 },
    { "与监护人关系：", 5, 1, 1 },
    { "ABO血型：", 5, 2, 1 },
    { "Rh血型：", 6, 0, 1 },
    { "过敏反应：", 6, 1, 2 },
    { "疾  病  史：", 7, 0, 2 },
    { "有无残疾：", 7, 2, 1 },
    { "标准体重：", 8, 0, 1 },
    { "标准身高：", 8, 1, 1 },
    { "Kaup指数：", 9, 0, 1 },
    { "Rohrer指数：", 9, 1, 1 },
    { "临床体现：", 10, 0, 3 },
};

} // namespace

CYydaDisplayDlg::CYydaDisplayDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_evaluation(new QPlainTextEdit(this))
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    for (const auto& place : kPlaces) {
        const QString label = QString::fromUtf8(place.label);
        auto* edit = new QLineEdit(this);
        edit->setReadOnly(true);
        edit->setObjectName(QStringLiteral("displayBox%1").arg(m_boxes.size()));
        grid->addWidget(formLabel(label, this), place.row, place.pair * 2);
        grid->addWidget(edit, place.row, place.pair * 2 + 1, 1, place.pairs * 2 - 1);
        m_boxes.insert(label, edit);
    }
    m_evaluation->setObjectName(QStringLiteral("evaluationBox"));
    m_evaluation->setReadOnly(true);
    m_evaluation->setFixedHeight(84);
    grid->addWidget(formLabel(QStringLiteral("身高/体重评价："), this), 11, 0, Qt::AlignTop | Qt::AlignRight);
    grid->addWidget(m_evaluation, 11, 1, 1, 5);
    for (int column = 1; column < 6; column += 2) {
        grid->setColumnStretch(column, 1);
    }

    auto* back = actionButton(QStringLiteral("backToListButton"), QStringLiteral("back"), QStringLiteral("返回"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(back);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    connect(back, &QAbstractButton::clicked, this, &CYydaDisplayDlg::backToList);
}

bool CYydaDisplayDlg::showArchive(const QString& archId)
{
    std::optional<ArchiveRecord> stored;
    if (!runDatabaseWork([&] { stored = loadArchive(ss(archId)); }) || !stored) {
        return false;
    }
    const ArchiveRecord& a = *stored;
    const GrowthEvaluation growth = evaluateGrowth(a);
    const std::pair<const char*, std::string> texts[] = {
        { "档案编号：", a.archId },
        { "姓        名：", a.archName },
        { "性        别：", a.gender },
        { "民        族：", a.nation },
        { "身   高(cm)：", a.height },
        { "体    重(kg)：", a.weight },
        { "年        龄：", growth.ageText },
        { "学校名称：", a.schoolName },
        { "入学日期：", a.inTime },
        { "班        级：", a.className },
        { "学        号：", a.studentId },
        { "常住类型：", a.hjCla },
        { "家庭住址：", a.address },
        { "监  护  人：", a.guardianName },
        { "监护人电话：", a.guardianTel },
        { "与监护人关系：", a.guardianRelation },
        { "ABO血型：", a.aboBlood },
        { "Rh血型：", a.rhBlood },
        { "过敏反应：", a.allergy },
        { "疾  病  史：", a.ill },
        { "有无残疾：", a.disable },
        { "标准体重：", growth.standardWeight },
        { "标准身高：", growth.standardHeight },
        { "Kaup指数：", growth.kaup },
        { "Rohrer指数：", growth.rohrer },
        { "临床体现：", growth.deficiency },
    };
    for (const auto& [label, text] : texts) {
        QLineEdit* edit = box(QString::fromUtf8(label));
        edit->setText(qs(text));
        edit->setCursorPosition(0);
    }
    m_evaluation->setPlainText(qs(growth.evaluation));
    return true;
}

bool CYydaDisplayDlg::openArchive(const QString& archId)
{
    return showArchive(archId);
}

void CYydaDisplayDlg::backToList()
{
    navigator().showPage(PageId::ArchiveList);
}

QString CYydaDisplayDlg::boxText(const QString& label) const
{
    const QLineEdit* edit = box(label);
    return edit ? edit->text() : QString();
}

QPlainTextEdit* CYydaDisplayDlg::evaluationBox() const
{
    return m_evaluation;
}

QLineEdit* CYydaDisplayDlg::box(const QString& label) const
{
    return m_boxes.value(label, nullptr);
}

} // namespace pelinor
