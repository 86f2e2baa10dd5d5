#pragma once

#include "core/db/DataFolder.h"
#include "core/demo/LargeDemoSize.h"

#include <cstdint>
#include <string>

namespace pelinor {

// Every large demonstration folder is drawn from this seed, so every run makes the same files.
inline constexpr std::uint64_t kLargeDemoSeed = 20261218;
// Raised whenever the generator writes something else, so that kept copies are made again.
inline constexpr int kLargeDemoFormat = 1;

// A data folder the size of a big kindergarten after five years of use, for benchmarks: the
// shipped library with variants of its foods, classes full of invented children, their attendance,
// examinations and vaccinations, five years of meal plans and many set meals. Every row looks as
// the program itself would have written it. Same refusals and temporary names as createDataFolder.
Outcome<> createLargeDemoFolder(const std::string& folder, const LargeDemoSize& size = {});

} // namespace pelinor
