#pragma once

#include "core/common/Clock.h"

#include <string>

namespace pelinor {

struct PlanDaySource;

// The boys or the girls of a class plan.
struct ClassGroupSummary
{
    int count = 0;
    float meanHeight = 0.0f; // cm
    float meanWeight = 0.0f; // kg
    int meanMonths = 0; // whole months

    std::string countText; // "男生人数：  3"
    std::string heightText; // "身    高：  104.2 cm"
    std::string weightText; // "体    重：  17.3 kg"
    std::string ageText; // "男生  年龄：4岁2月"
};

// Who the analysed day is for, as the analysis page and the printed report head it. Every
// analysis starts from an empty header: the personal fields are filled only for a personal plan
// whose child is found, the class fields only for a class plan.
struct SubjectHeader
{
    std::string subjects; // the child's name, or the class names joined by "；"
    std::string archId;
    std::string kind; // "个人" or "团体"
    bool personal = false;

    // A personal plan.
    bool childFound = false;
    std::string sex;
    std::string birth;
    std::string height; // cm, as stored
    std::string weight; // kg, as stored
    std::string ageText; // "5岁2月"
    std::string bloodType;
    std::string kaupText; // "%.2f"; empty when height or weight is missing
    std::string rohrerText;
    std::string evaluationText; // the weight-for-height text chosen by the Kaup index

    // A class plan.
    ClassGroupSummary boys;
    ClassGroupSummary girls;
};

// Reads the archives behind the plan's subject: the child (by the archive number the plan
// stores, by name when it stores none) or every child of the plan's classes. Ages count from
// `today`'s year and month.
SubjectHeader loadSubjectHeader(const PlanDaySource& source, const DateTime& today);

} // namespace pelinor
