#pragma once

namespace pelinor {

// Finishes a restore that a crash or a power cut cut short, before anybody sees the data: the
// program calls it once when it starts. Says so when it did, and why when it could not.
void finishInterruptedRestore();

} // namespace pelinor
