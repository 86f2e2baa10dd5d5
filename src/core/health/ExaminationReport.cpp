#include "core/health/ExaminationReport.h"

#include "core/common/NumberFormat.h"

namespace pelinor {

namespace {

std::string measurement(float value, int decimals)
{
    return value > 0.0f ? formatFixed(value, decimals) : std::string();
}

} // namespace

std::vector<ExaminationReportGroup> examinationReportGroups(const Examination& e)
{
    std::vector<ExaminationReportGroup> groups;
    groups.push_back({ "基本信息：",
        { { "姓名：", e.name }, { "班级：", e.className }, { "性别：", e.gender }, { "学号：", e.archId } } });
    groups.push_back({ "体形机能：",
        { { "身高：", measurement(e.height, 1) }, { "体重：", measurement(e.weight, 1) },
            { "体质指数：", measurement(e.bmi, 3) } } });
    for (const auto group :
        { ExaminationGroup::Body, ExaminationGroup::Internal, ExaminationGroup::Mouth, ExaminationGroup::Eyes,
            ExaminationGroup::EarNoseThroat, ExaminationGroup::Surgery, ExaminationGroup::Closing }) {
        if (group != ExaminationGroup::Body) {
            const std::string title = examinationGroupTitle(group);
            groups.push_back({ title.empty() ? std::string() : title + "：", {} });
        }
        for (const auto& field : kExaminationTextFields) {
            if (field.group == group) {
                groups.back().lines.push_back({ field.reportLabel, e.*field.member });
            }
        }
    }
    groups.back().lines.push_back({ "体检日期：", e.date });
    groups.back().lines.push_back({ "主检医生：", e.doctor });
    return groups;
}

} // namespace pelinor
