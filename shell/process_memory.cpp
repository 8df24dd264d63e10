#include "shell/process_memory.h"

#include <fstream>
#include <sstream>
#include <string>

namespace corvellane {

ProcessMemory ReadProcessMemory() {
  ProcessMemory memory;
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    std::istringstream fields(line);
    std::string name;
    uint64_t kb = 0;
    if (!(fields >> name >> kb)) continue;
    if (name == "VmRSS:") memory.resident_kb = kb;
    if (name == "VmHWM:") memory.peak_resident_kb = kb;
  }
  return memory;
}

}  // namespace corvellane
