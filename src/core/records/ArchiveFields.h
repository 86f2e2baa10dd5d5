#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace pelinor {

// The fixed choices of an archive's drop-down lists, in the order the lists show them (the first is
// the default of a new archive).
const std::vector<std::string>& genderChoices(); // 男 女
const std::vector<std::string>& nationChoices(); // 汉族 ... 其他
const std::vector<std::string>& residenceChoices(); // 户籍 非户籍
const std::vector<std::string>& aboBloodChoices(); // A B AB O
const std::vector<std::string>& rhBloodChoices(); // Rh阴性 Rh阳性

// The check-box items of the three item-list columns, in the order they are written.
const std::vector<std::string>& allergyItems();
const std::vector<std::string>& illnessItems();
const std::vector<std::string>& disabilityItems();

// The stored value of a group whose "无" box is checked.
inline constexpr std::string_view kNoneItem = "无";

// One check-box group of the form: the "无" box, the checked items and the free "其    他：" text.
struct ItemChoice
{
    bool none = false;
    std::set<std::string> checked;
    std::string other;

    bool operator==(const ItemChoice&) const = default;
};

// The column text of a group: "无" when the "无" box is checked; otherwise the checked items in
// the order of `items`, then the other text, joined by "；".
std::string buildItemList(const std::vector<std::string>& items, const ItemChoice& choice);

// The group a stored column text stands for. Every value that is not one of `items` goes back into
// the other text, several of them joined by "；" again, so an other text holding a "；" is kept whole.
ItemChoice readItemList(const std::vector<std::string>& items, std::string_view text);

// The clinical signs, by code (F1 to F8) with their check-box texts.
struct ClinicalSign
{
    std::string code;
    std::string text;
};
const std::vector<ClinicalSign>& clinicalSigns();

// LCBX: the checked codes in the order F1 to F8, joined by "；"; empty when none is checked.
std::string buildSignCodes(const std::set<std::string>& checkedCodes);
std::set<std::string> readSignCodes(std::string_view text);

} // namespace pelinor
