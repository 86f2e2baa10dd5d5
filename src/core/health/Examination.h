#pragma once

#include <array>
#include <string>

namespace pelinor {

// One physical examination of one child (a KqCheckIn row). The child is its archive number;
// name, class and sex are copied from the archive when the examination is registered.
struct Examination
{
    int id = -1; // -1 until it is stored
    std::string name;
    std::string className;
    std::string gender;
    std::string archId; // stored in the column StudentID
    float height = 0.0f; // cm
    float weight = 0.0f; // kg
    float bmi = 0.0f; // kg/m², three decimals

    std::string vitalCapacity;
    std::string bloodPressure;
    std::string pulse;
    std::string heart;
    std::string lung;
    std::string liver;
    std::string gallbladder;
    std::string caries;
    std::string periodontal;
    std::string leftVision;
    std::string rightVision;
    std::string trachoma;
    std::string conjunctivitis;
    std::string vision;
    std::string leftHearing;
    std::string rightHearing;
    std::string ear;
    std::string nose;
    std::string pharynx;
    std::string larynx;
    std::string tonsil;
    std::string head;
    std::string neck;
    std::string spine;
    std::string chest;
    std::string limbs;
    std::string skin;
    std::string lymphNodes;
    std::string dietLimit;
    std::string healthState;

    std::string date; // "%Y-%m-%d"
    std::string doctor; // the chief examining doctor

    bool operator==(const Examination&) const = default;
};

// The framed groups of the form and the headings of the printed report, in their order.
enum class ExaminationGroup
{
    Basic,
    Body,
    Internal,
    Mouth,
    Eyes,
    EarNoseThroat,
    Surgery,
    Closing, // diet, state of health: after the groups
};

// "基本信息", "体形机能", "内科", "口腔", "眼科", "耳鼻咽喉科", "外科"; empty for Closing.
const char* examinationGroupTitle(ExaminationGroup group);

// One of the free-text findings (columns 8 to 37), with its labels on the form and on paper.
struct ExaminationTextField
{
    int column;
    const char* key; // an English name for widgets
    const char* formLabel; // "肺活量(ml)："
    const char* reportLabel; // "肺活量："
    ExaminationGroup group;
    std::string Examination::*member;
};

inline constexpr int kExaminationTextFieldCount = 30;
extern const std::array<ExaminationTextField, kExaminationTextFieldCount> kExaminationTextFields;

} // namespace pelinor
