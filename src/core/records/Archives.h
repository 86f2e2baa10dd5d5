#pragma once

#include "core/records/ArchiveRecord.h"
#include "core/records/RecordOutcome.h"

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
RecordOutcome saveArchive(ArchiveRecord archive);

// Deletes an archive and everything that belongs to the child: its meal plans, its examinations and
// vaccinations, its attendance. Each file's part runs in one transaction; the archive itself goes
// last, so a failure part-way leaves the child listed and the delete can simply be repeated.
void deleteArchive(const std::string& archId);

} // namespace pelinor
