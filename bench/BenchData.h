#pragma once

#include <string>

namespace pelinor::bench {

// Data folders the benchmarks share, made on first use under build/bench-data and kept for every
// later run (delete build/bench-data to make them again). Each ends in "/". Benchmarks only read
// them; one that writes works on a copy.

// `pelinor-cli initdb --demo`: five classes, 120 children, six plans (made again on every run).
const std::string& demoFolder();

// `pelinor-cli initdb --large-demo`: a big kindergarten after five years.
const std::string& largeDemoFolder();

} // namespace pelinor::bench
