#include "core/records/ArchiveFields.h"

#include "core/common/ItemList.h"

#include <algorithm>

namespace pelinor {

const std::vector<std::string>& genderChoices()
{
    static const std::vector<std::string> choices { "男", "女" };
    return choices;
}

const std::vector<std::string>& nationChoices()
{
    static const std::vector<std::string> choices { "汉族", "回族", "藏族", "壮族", "蒙古族", "其他" };
    return choices;
}

const std::vector<std::string>& residenceChoices()
{
    static const std::vector<std::string> choices { "户籍", "非户籍" };
    return choices;
}

const std::vector<std::string>& aboBloodChoices()
{
    static const std::vector<std::string> choices { "A", "B", "AB", "O" };
    return choices;
}

const std::vector<std::string>& rhBloodChoices()
{
    static const std::vector<std::string> choices { "Rh阴性", "Rh阳性" };
    return choices;
}

const std::vector<std::string>& allergyItems()
{
    static const std::vector<std::string> items { "青霉素", "磺胺", "无链霉素" };
    return items;
}

const std::vector<std::string>& illnessItems()
{
    static const std::vector<std::string> items { "先天性心脏病", "肺结核", "地方病", "过敏史", "脊柱弯曲", "甲肝",
        "乙肝", "丙肝", "龋齿", "近视", "斜视", "弱视" };
    return items;
}

const std::vector<std::string>& disabilityItems()
{
    static const std::vector<std::string> items { "听力残", "言语残", "肢体残", "智力残", "眼残", "精神残疾" };
    return items;
}

std::string buildItemList(const std::vector<std::string>& items, const ItemChoice& choice)
{
    if (choice.none) {
        return std::string(kNoneItem);
    }
    std::vector<std::string> values;
    for (const auto& item : items) {
        if (choice.checked.contains(item)) {
            values.push_back(item);
        }
    }
    values.push_back(choice.other);
    return joinItems(values);
}

ItemChoice readItemList(const std::vector<std::string>& items, std::string_view text)
{
    ItemChoice choice;
    if (text == kNoneItem) {
        choice.none = true;
        return choice;
    }
    std::vector<std::string> others;
    for (auto& value : splitItems(text)) {
        if (std::find(items.begin(), items.end(), value) != items.end()) {
            choice.checked.insert(value);
        } else {
            others.push_back(std::move(value));
        }
    }
    choice.other = joinItems(others);
    return choice;
}

const std::vector<ClinicalSign>& clinicalSigns()
{
    static const std::vector<ClinicalSign> signs {
        { "F1", "体重停止增加" },
        { "F2", "反应迟钝、表情麻木" },
        { "F3", "毛发干枯、肌肉松弛" },
        { "F4", "皮肤干燥、苍白" },
        { "F5", "行为孤僻、动作笨拙" },
        { "F6", "夜间磨牙、手脚抽动" },
        { "F7", "失眠健忘、惊恐不安" },
        { "F8", "喜吃纸屑、泥土等" },
    };
    return signs;
}

std::string buildSignCodes(const std::set<std::string>& checkedCodes)
{
    std::vector<std::string> codes;
    for (const auto& sign : clinicalSigns()) {
        if (checkedCodes.contains(sign.code)) {
            codes.push_back(sign.code);
        }
    }
    return joinItems(codes);
}

std::set<std::string> readSignCodes(std::string_view text)
{
    std::set<std::string> codes;
    for (auto& value : splitItems(text)) {
        codes.insert(std::move(value));
    }
    return codes;
}

} // namespace pelinor
