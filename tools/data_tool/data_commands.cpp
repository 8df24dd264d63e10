#include "tools/data_tool/data_commands.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

#include "persistence/cipher.h"
#include "persistence/storage.h"
#include "shell/declarations.h"
#include "shell/text_files.h"
#include "tools/data_tool/content_check.h"

namespace corvellane::data_tool {

namespace {

constexpr std::string_view kProgram = "corvellane-data";

// A failure that ends the tool: its one-line message and exit code.
struct ECommandError {
  int exit_code;
  std::string message;
};

ECommandError Usage(std::string message) { return {kExitUsage, std::move(message) + " (see --help)"}; }

std::string KeyNames() {
  std::string names;
  for (const auto& entry : product::FileKeys()) names += (names.empty() ? "" : ", ") + std::string(entry.name);
  return names;
}

// KEY, or --key NAME for one of the product's keys.
std::string ResolveKey(std::span<const std::string> rest) {
  if (rest.size() == 2 && rest[0] == "--key") {
    std::optional<product::FileKey> key = product::FindFileKey(rest[1]);
    if (!key) throw Usage("unknown key name \"" + rest[1] + "\"; known: " + KeyNames());
    return std::string(product::FileKeyText(*key));
  }
  if (rest.size() != 1) throw Usage("expected KEY or --key NAME");
  if (rest[0].empty()) throw Usage("the key is empty");
  if (rest[0] == "--key") throw Usage("--key needs a NAME");
  return rest[0];
}

std::string ReadInput(int input_fd) {
  std::optional<std::string> input = ReadWholeDescriptor(input_fd);
  if (!input) throw ECommandError{kExitBadInput, "cannot read standard input"};
  return *input;
}

void Encrypt(std::span<const std::string> rest, int input_fd, std::ostream& out) {
  std::string key = ResolveKey(rest);
  out << EncryptText(key, ReadInput(input_fd)) << '\n';
}

void Decrypt(std::span<const std::string> rest, int input_fd, std::ostream& out) {
  std::string key = ResolveKey(rest);
  std::optional<std::string> plain = TryDecryptText(key, ReadInput(input_fd));
  if (!plain) throw ECommandError{kExitBadInput, "input is not in the enciphered hexadecimal form"};
  out << *plain;
}

void PrintXml(std::span<const std::string> rest, std::ostream& out) {
  if (rest.size() != 1 || rest[0].empty()) throw Usage("expected one FILE");
  std::error_code ec;
  if (std::filesystem::is_directory(rest[0], ec)) throw ECommandError{kExitBadInput, rest[0] + " is a folder"};
  Ref<IHierStorageRoot> root;
  try {
    root = OpenStorageFile(rest[0]);
  } catch (const EStorageParseError& error) {
    throw ECommandError{kExitBadInput, rest[0] + ": " + error.what()};
  }
  if (!root) throw ECommandError{kExitBadInput, "cannot read " + rest[0]};
  out << root->SaveToText();
}

void CheckFolder(std::span<const std::string> rest, std::ostream& out) {
  if (rest.size() != 1 || rest[0].empty()) throw Usage("expected one FOLDER");
  std::error_code ec;
  if (!std::filesystem::is_directory(rest[0], ec)) throw ECommandError{kExitBadInput, rest[0] + " is not a folder"};
  const std::vector<std::string> problems = CheckProgramFolder(rest[0]);
  for (const std::string& problem : problems) out << problem << '\n';
  if (!problems.empty())
    throw ECommandError{kExitBadInput, rest[0] + ": " + std::to_string(problems.size()) +
                                           (problems.size() == 1 ? " problem" : " problems")};
  out << rest[0] << ": no problems found\n";
}

void Dispatch(std::span<const std::string> arguments, int input_fd, std::ostream& out) {
  if (arguments.empty()) throw Usage("no command given");
  const std::string& command = arguments[0];
  std::span<const std::string> rest = arguments.subspan(1);
  if (command == "--help" || command == "-h") {
    out << DataToolUsage();
  } else if (command == "encrypt") {
    Encrypt(rest, input_fd, out);
  } else if (command == "decrypt") {
    Decrypt(rest, input_fd, out);
  } else if (command == "xml") {
    PrintXml(rest, out);
  } else if (command == "check") {
    CheckFolder(rest, out);
  } else {
    throw Usage("unknown command \"" + command + "\"");
  }
}

}  // namespace

std::string DataToolUsage() {
  return "Usage:\n"
         "  corvellane-data encrypt KEY | --key NAME   standard input -> enciphered hexadecimal form\n"
         "  corvellane-data decrypt KEY | --key NAME   enciphered hexadecimal form -> plain text\n"
         "  corvellane-data xml FILE                   print FILE as the game reads it\n"
         "  corvellane-data check FOLDER               load every data file of a program folder as the\n"
         "                                             game does and report each problem\n"
         "  corvellane-data --help                     show this text\n"
         "\nKey names: " +
         KeyNames() + "\n";
}

int RunDataTool(std::span<const std::string> arguments, int input_fd, std::ostream& out, std::ostream& err) {
  try {
    Dispatch(arguments, input_fd, out);
    out.flush();
    if (!out) throw ECommandError{kExitBadInput, "cannot write the output"};
    return kExitOk;
  } catch (const ECommandError& failure) {
    err << kProgram << ": " << failure.message << '\n';
    return failure.exit_code;
  } catch (const std::exception& error) {
    err << kProgram << ": " << error.what() << '\n';
    return kExitBadInput;
  }
}

}  // namespace corvellane::data_tool
