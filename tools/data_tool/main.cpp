// corvellane-data: enciphers, deciphers and prints the game's data files.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "tools/data_tool/data_commands.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  return corvellane::data_tool::RunDataTool(arguments, STDIN_FILENO, std::cout, std::cerr);
}
