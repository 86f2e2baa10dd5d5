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

// The boxes in reading order, three to a row; a box spanning pairs takes their width.
const std::vector<CYydaDisplayDlg::BoxPlace>& CYydaDisplayDlg::boxPlaces()
{
    using D = CYydaDisplayDlg;
    static const std::vector<BoxPlace> places = {
        { "档案编号：", &D::m_archId, 0, 0, 1 },
        { "姓        名：", &D::m_name, 0, 1, 1 },
        { "性        别：", &D::m_gender, 0, 2, 1 },
        { "民        族：", &D::m_nation, 1, 0, 1 },
        { "身   高(cm)：", &D::m_height, 1, 1, 1 },
        { "体    重(kg)：", &D::m_weight, 1, 2, 1 },
        { "年        龄：", &D::m_age, 2, 0, 1 },
        { "学校名称：", &D::m_school, 2, 1, 1 },
        { "入学日期：", &D::m_inTime, 2, 2, 1 },
        { "班        级：", &D::m_class, 3, 0, 1 },
        { "学        号：", &D::m_studentId, 3, 1, 1 },
        { "常住类型：", &D::m_residence, 3, 2, 1 },
        { "家庭住址：", &D::m_address, 4, 0, 2 },
        { "监  护  人：", &D::m_guardian, 4, 2, 1 },
        { "监护人电话：", &D::m_guardianTel, 5, 0, 1 },
        { "与监护人关系：", &D::m_relation, 5, 1, 1 },
        { "ABO血型：", &D::m_abo, 5, 2, 1 },
        { "Rh血型：", &D::m_rh, 6, 0, 1 },
        { "过敏反应：", &D::m_allergy, 6, 1, 2 },
        { "疾  病  史：", &D::m_illness, 7, 0, 2 },
        { "有无残疾：", &D::m_disability, 7, 2, 1 },
        { "标准体重：", &D::m_standardWeight, 8, 0, 1 },
        { "标准身高：", &D::m_standardHeight, 8, 1, 1 },
        { "Kaup指数：", &D::m_kaup, 9, 0, 1 },
        { "Rohrer指数：", &D::m_rohrer, 9, 1, 1 },
        { "临床体现：", &D::m_deficiency, 10, 0, 3 },
    };
    return places;
}

CYydaDisplayDlg::CYydaDisplayDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_evaluation(new QPlainTextEdit(this))
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    int index = 0;
    for (const auto& place : boxPlaces()) {
        auto* edit = new QLineEdit(this);
        edit->setReadOnly(true);
        edit->setObjectName(QStringLiteral("displayBox%1").arg(index++));
        grid->addWidget(formLabel(QString::fromUtf8(place.label), this), place.row, place.pair * 2);
        grid->addWidget(edit, place.row, place.pair * 2 + 1, 1, place.pairs * 2 - 1);
        this->*place.box = edit;
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
    const auto stored = runDatabaseWork([&] { return loadArchive(ss(archId)); });
    if (!stored || !*stored) {
        return false;
    }
    const ArchiveRecord& a = **stored;
    const GrowthEvaluation growth = evaluateGrowth(a);
    const std::pair<QLineEdit*, const std::string&> texts[] = {
        { m_archId, a.archId },
        { m_name, a.archName },
        { m_gender, a.gender },
        { m_nation, a.nation },
        { m_height, a.height },
        { m_weight, a.weight },
        { m_age, growth.ageText },
        { m_school, a.schoolName },
        { m_inTime, a.inTime },
        { m_class, a.className },
        { m_studentId, a.studentId },
        { m_residence, a.hjCla },
        { m_address, a.address },
        { m_guardian, a.guardianName },
        { m_guardianTel, a.guardianTel },
        { m_relation, a.guardianRelation },
        { m_abo, a.aboBlood },
        { m_rh, a.rhBlood },
        { m_allergy, a.allergy },
        { m_illness, a.ill },
        { m_disability, a.disable },
        { m_standardWeight, growth.standardWeight },
        { m_standardHeight, growth.standardHeight },
        { m_kaup, growth.kaup },
        { m_rohrer, growth.rohrer },
        { m_deficiency, growth.deficiency },
    };
    for (const auto& [edit, text] : texts) {
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
    for (const auto& place : boxPlaces()) {
        if (QString::fromUtf8(place.label) == label) {
            return (this->*place.box)->text();
        }
    }
    return QString();
}

QPlainTextEdit* CYydaDisplayDlg::evaluationBox() const
{
    return m_evaluation;
}

} // namespace pelinor
