#include "core/health/Examination.h"

namespace pelinor {

const char* examinationGroupTitle(ExaminationGroup group)
{
    switch (group) {
    case ExaminationGroup::Basic:
        return "基本信息";
    case ExaminationGroup::Body:
        return "体形机能";
    case ExaminationGroup::Internal:
        return "内科";
    case ExaminationGroup::Mouth:
        return "口腔";
    case ExaminationGroup::Eyes:
        return "眼科";
    case ExaminationGroup::EarNoseThroat:
        return "耳鼻咽喉科";
    case ExaminationGroup::Surgery:
        return "外科";
    case ExaminationGroup::Closing:
        break;
    }
    return "";
}

using G = ExaminationGroup;
using E = Examination;

const std::array<ExaminationTextField, kExaminationTextFieldCount> kExaminationTextFields { {
    { 8, "vitalCapacity", "肺活量(ml)：", "肺活量：", G::Body, &E::vitalCapacity },
    { 9, "bloodPressure", "血压(mmhg)：", "血压：", G::Body, &E::bloodPressure },
    { 10, "pulse", "脉搏(次/分)：", "脉搏：", G::Body, &E::pulse },
    { 11, "heart", "心：", "心：", G::Internal, &E::heart },
    { 12, "lung", "肺：", "肺：", G::Internal, &E::lung },
    { 13, "liver", "肝：", "肝：", G::Internal, &E::liver },
    { 14, "gallbladder", "胆：", "胆：", G::Internal, &E::gallbladder },
    { 15, "caries", "龋        齿：", "龋齿：", G::Mouth, &E::caries },
    { 16, "periodontal", "牙        周：", "牙周：", G::Mouth, &E::periodontal },
    { 17, "leftVision", "左  视  力：", "左视力：", G::Eyes, &E::leftVision },
    { 18, "rightVision", "右  视  力：", "右视力：", G::Eyes, &E::rightVision },
    { 19, "trachoma", "沙        眼：", "沙眼：", G::Eyes, &E::trachoma },
    { 20, "conjunctivitis", "结  膜  炎：", "结膜炎：", G::Eyes, &E::conjunctivitis },
    { 21, "vision", "视        觉：", "视觉：", G::Eyes, &E::vision },
    { 22, "leftHearing", "左  听  力：", "左听力：", G::EarNoseThroat, &E::leftHearing },
    { 23, "rightHearing", "右  听  力：", "右听力：", G::EarNoseThroat, &E::rightHearing },
    { 24, "ear", "耳：", "耳：", G::EarNoseThroat, &E::ear },
    { 25, "nose", "鼻：", "鼻：", G::EarNoseThroat, &E::nose },
    { 26, "pharynx", "咽：", "咽：", G::EarNoseThroat, &E::pharynx },
    { 27, "larynx", "喉：", "喉：", G::EarNoseThroat, &E::larynx },
    { 28, "tonsil", "扁  桃  体：", "扁桃体：", G::EarNoseThroat, &E::tonsil },
    { 29, "head", "头         部：", "头部：", G::Surgery, &E::head },
    { 30, "neck", "颈        部：", "颈部：", G::Surgery, &E::neck },
    { 31, "spine", "脊        柱：", "脊柱：", G::Surgery, &E::spine },
    { 32, "chest", "胸        部：", "胸部：", G::Surgery, &E::chest },
    { 33, "limbs", "四         肢：", "四肢：", G::Surgery, &E::limbs },
    { 34, "skin", "皮         肤：", "皮肤：", G::Surgery, &E::skin },
    { 35, "lymphNodes", "淋  巴  结：", "淋巴结：", G::Surgery, &E::lymphNodes },
    { 36, "dietLimit", "饮食限制：", "饮食限制：", G::Closing, &E::dietLimit },
    { 37, "healthState", "健康状况：", "健康状况：", G::Closing, &E::healthState },
} };

} // namespace pelinor
