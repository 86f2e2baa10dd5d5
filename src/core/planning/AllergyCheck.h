#pragma once

#include "core/planning/IntakeReference.h"

#include <optional>
#include <string>
#include <vector>

namespace pelinor {

// A child of the plan's subject who must not eat a food of an item.
struct AllergyHit
{
    std::string childName;
    std::string foodName;
    std::string allergy; // the word of the child's allergy list the food name contains

    bool operator==(const AllergyHit&) const = default;
};

// The food allergies of the children a plan is for: the child of a personal plan (by its archive
// number, by name when the plan stores none) or every child of the plan's classes. An allergy list
// holds the checked drugs and the free text the nurse typed ("鸡蛋；花生"); every item that is not
// one of the drugs and not "无" is a word that marks a food whose name contains it.
class AllergyCheck
{
public:
    AllergyCheck() = default;

    // Reads the children's allergy lists from the record file.
    static AllergyCheck forSubject(const PlanSubject& subject);

    // Built from lists already at hand: (child name, allergy list text).
    static AllergyCheck fromLists(const std::vector<std::pair<std::string, std::string>>& children);

    // Every child and food of the composition that clash, in the order of the composition's foods
    // and then of the children.
    std::vector<AllergyHit> hits(const std::string& composition) const;

    // The lines that name an item's clashes; the editor adds its question.
    static std::string warningText(const std::string& itemName, const std::vector<AllergyHit>& hits);

    bool empty() const
    {
        return m_children.empty();
    }

private:
    struct Child
    {
        std::string name;
        std::vector<std::string> words;
    };
    std::vector<Child> m_children;
};

} // namespace pelinor
