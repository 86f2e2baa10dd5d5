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

// Saves the form: a new archive is inserted, an existing one (same ArchID) overwritten column by
// column. The time of the save becomes CreatTime. Refused, with nothing written, when the name is
// empty or the height or weight is not a number greater than 0.
Outcome<> saveArchive(ArchiveRecord archive);

// Deletes an archive and everything that belongs to the child: its meal plans, its examinations and
// vaccinations, its attendance. All of it in one transaction over the three files, so a failure
// part-way changes nothing and the delete can simply be repeated.
void deleteArchive(const std::string& archId);

} // namespace pelinor
