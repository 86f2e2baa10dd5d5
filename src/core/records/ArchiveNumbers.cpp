#include "core/records/ArchiveNumbers.h"

#include "core/common/Clock.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace pelinor {

namespace {

// The number in the last `count` characters of a text; 0 when they are no number.
int trailingNumber(std::string_view text, size_t count)
{
    if (text.size() > count) {
        text.remove_prefix(text.size() - count);
    }
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string zeroPadded(int number, size_t width)
{
    std::string digits = std::to_string(number);
    if (digits.size() < width) {
        digits.insert(0, width - digits.size(), '0');
    }
    return digits;
}

} // namespace

Outcome<std::string> newArchiveId()
{
    constexpr int kLastRunningNumber = 999999;
    // Characters 3 and 4 of the current time "%Y-%m-%d %H:%M:%S".
    const std::string yy = programClock().now().timeStampText().substr(2, 2);
    DatabaseConnection db(RecordDb);
    auto query = db.execQuery(formatSql("SELECT * FROM ArchivesBase where ArchID LIKE '%s%%'", yy));
    int next = 0;
    for (; !query.eof(); query.nextRow()) {
        next = std::max(next, trailingNumber(query.getStringField(0), 6) + 1);
    }
    if (next > kLastRunningNumber) {
        return refuse(kArchiveNumbersUsedUp);
    }
    return yy + zeroPadded(next, 6);
}

std::string classCode(int position)
{
    return zeroPadded(position, 2);
}

std::string sequenceText(int number)
{
    return zeroPadded(number, 3);
}

int studentSequence(const std::string& studentId)
{
    return trailingNumber(studentId, 3);
}

int classPosition(const std::string& className)
{
    DatabaseConnection db(RecordDb);
    return classPosition(db, className);
}

int classPosition(CppSQLite3DB& db, const std::string& className)
{
    auto query = db.execQuery("SELECT * FROM ClassInfo");
    for (int position = 0; !query.eof(); query.nextRow(), ++position) {
        if (query.getStringField(1) == className) {
            return position;
        }
    }
    return -1;
}

std::string studentNumberForForm(const std::string& archId, const std::string& className)
{
    DatabaseConnection db(RecordDb);
    // The child's own class gives back its own number, also when the class table no longer has it.
    auto stored = db.execQuery(formatSql("SELECT * FROM ArchivesBase WHERE ArchID = '%s'", archId));
    if (!stored.eof() && stored.getStringField(9) == className) {
        return stored.getStringField(10);
    }
    stored.finalize();
    const int position = classPosition(db, className);
    if (position < 0) {
        return {};
    }
    auto members
        = db.execQuery(formatSql("SELECT * FROM ArchivesBase WHERE Class = '%s'ORDER BY ArchID DESC", className));
    int highest = 0;
    for (; !members.eof(); members.nextRow()) {
        highest = std::max(highest, studentSequence(members.getStringField(10)));
    }
    return classCode(position) + sequenceText(highest + 1);
}

} // namespace pelinor
