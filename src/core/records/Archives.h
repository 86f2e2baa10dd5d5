#pragma once

#include "core/common/Outcome.h"
#include "core/records/ArchiveRecord.h"

#include <optional>
#include <string>
#include <vector>

namespace pelinor {

// Every archive, in query order.
std::vector<ArchiveRecord> loadArchives();

// The archive list's search: by archive number, by name, by both; both empty lists every archive.
std::vector<ArchiveRecord> searchArchives(const std::string& archId, const std::string& name);

std::optional<ArchiveRecord> loadArchive(const std::string& archId);

// The archives of one class, in query order.
std::vector<ArchiveRecord> archivesOfClass(const std::string& className);

// Whether the form holds a new archive (after "add") or a stored one (after "edit").
enum class ArchiveSave
{
    New,
    Edit,
};

// The plausible range of a child's measurements; the form refuses anything outside.
inline constexpr double kLowestHeightCm = 40.0;
inline constexpr double kHighestHeightCm = 200.0;
inline constexpr double kLowestWeightKg = 2.0;
inline constexpr double kHighestWeightKg = 100.0;

// Saves the form. A new archive is only ever inserted: refused, with nothing written, when its
// number is taken by now or when it has none (the year's numbers are used up). An edited archive is
// overwritten column by column (inserted again should another user have deleted it meanwhile). The
// time of the save becomes CreatTime. Refused, with nothing written, when the name is empty or the
// height or weight is missing or outside the plausible range.
Outcome<> saveArchive(ArchiveRecord archive, ArchiveSave kind);

// Deletes an archive and everything that belongs to the child: its meal plans, its examinations and
// vaccinations, its attendance. All of it in one transaction over the three files, so a failure
// part-way changes nothing and the delete can simply be repeated.
void deleteArchive(const std::string& archId);

} // namespace pelinor
