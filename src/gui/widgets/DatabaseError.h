#pragma once

#include "core/db/CppSQLite3Exception.h"
#include "gui/widgets/StringConversion.h"

#include <optional>
#include <type_traits>

namespace pelinor {

// Shows a database failure the one way the program shows it: the layer's message, OK only,
// the application's title as caption.
void showDatabaseError(const CppSQLite3Exception& failure);

// Runs one handler's database work; a CppSQLite3Exception is shown and the handler carries on.
// Work that returns nothing gives false when it failed, so the caller can stop instead of
// reporting success:
//   if (!runDatabaseWork([&] { deleteArchive(id); })) return;
// Work that returns a value gives it, or nothing when it failed:
//   const auto archives = runDatabaseWork([] { return loadArchives(); });
//   if (!archives) return;
template <typename Work> auto runDatabaseWork(Work&& work)
{
    using Result = std::invoke_result_t<Work>;
    if constexpr (std::is_void_v<Result>) {
        try {
            work();
            return true;
        } catch (const CppSQLite3Exception& failure) {
            showDatabaseError(failure);
            return false;
        }
    } else {
        try {
            return std::optional<Result>(work());
        } catch (const CppSQLite3Exception& failure) {
            showDatabaseError(failure);
            return std::optional<Result>();
        }
    }
}

} // namespace pelinor
