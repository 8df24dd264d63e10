// process_memory.h: how much memory this process holds, as the system
// counts it (Linux /proc/self/status), for the soak's report.
//
//   ProcessMemory now = ReadProcessMemory();
//   now.resident_kb        // VmRSS: what is in memory at this moment
//   now.peak_resident_kb   // VmHWM: the most it has held so far
// Both are 0 where the system does not tell.
#pragma once

#include <cstdint>

namespace corvellane {

struct ProcessMemory {
  uint64_t resident_kb = 0;
  uint64_t peak_resident_kb = 0;
};

ProcessMemory ReadProcessMemory();

}  // namespace corvellane
