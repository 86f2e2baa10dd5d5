#pragma once

#include "core/common/Outcome.h"

#include <string>
#include <vector>

namespace pelinor {

struct ClassRow
{
    int id = 0;
    std::string name;
};

// A child as the class page and the pickers list it: singled out by its archive number, shown by name.
struct ChildRef
{
    std::string archId;
    std::string name;

    bool operator==(const ChildRef&) const = default;
};

// The classes in stored order: the order of every class list, and the source of the class code in
// student numbers.
std::vector<ClassRow> loadClasses();
std::vector<std::string> loadClassNames();

// The ID of the class with this name; -1 when there is none.
int findClassId(const std::string& name);

// The three age groups, which can never be deleted.
bool isProtectedClass(const std::string& name);

// Adds a class at the end of the stored order under the largest ID plus one (0 for the first
// class). Refuses an empty name, a name taken, and a name
// holding "；" (plans and set meals list their classes separated by it).
Outcome<> addClass(const std::string& name);

// Gives the class `oldName` the name `newName`, and carries the new name to every record that
// holds the old one: archives, attendance, examinations and vaccinations, and the class lists of
// group plans and set meals. All of it in one transaction over the four files, so a renamed class
// keeps its children and its plans. Refuses as addClass does.
Outcome<> renameClass(const std::string& oldName, const std::string& newName);

// Deletes a class that is not one of the age groups and has no child left.
Outcome<> deleteClass(const std::string& name);

// The children of a class, in query order.
std::vector<ChildRef> childrenOfClass(const std::string& className);

// Moves the children (by archive number, top to bottom) from `sourceClass` into `targetClass`, each
// with a new student number: the target's class code and the next sequence number of the target.
// A child that is in the target class already, or has no archive, is passed over.
// One transaction: all of them move or none.
Outcome<> moveChildren(
    const std::string& sourceClass, const std::string& targetClass, const std::vector<std::string>& archIds);

} // namespace pelinor
