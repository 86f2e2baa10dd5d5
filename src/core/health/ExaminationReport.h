#pragma once

#include "core/health/Examination.h"

#include <string>
#include <vector>

namespace pelinor {

// What the printed "健康体检报告" says, group by group: each heading ("基本信息：" ...) with its
// labels and values in print order; the closing lines (diet, state of health, date, doctor) come
// last under an empty heading.
struct ExaminationReportLine
{
    std::string label;
    std::string value;

    bool operator==(const ExaminationReportLine&) const = default;
};

struct ExaminationReportGroup
{
    std::string heading;
    std::vector<ExaminationReportLine> lines;
};

std::vector<ExaminationReportGroup> examinationReportGroups(const Examination& examination);

} // namespace pelinor
