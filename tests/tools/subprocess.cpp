#include "tests/tools/subprocess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <stdexcept>

extern char** environ;

namespace corvellane::testing {

namespace {

// Starts the program with its standard streams on files; the process id.
pid_t Spawn(const std::string& program, const std::vector<std::string>& arguments, const std::string& in,
            const std::string& out, const std::string& err) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);

  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  pid_t pid = 0;
  int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot start " + program);
  return pid;
}

int WaitFor(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return status;
}

}  // namespace

ProgramResult RunProgram(const TempDir& dir, const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input) {
  const std::string in = dir.Write("stdin.txt", input);
  const pid_t pid = Spawn(program, arguments, in, dir.File("stdout.txt"), dir.File("stderr.txt"));
  const int status = WaitFor(pid);
  ProgramResult result;
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = dir.Read("stdout.txt");
  result.err = dir.Read("stderr.txt");
  return result;
}

TBackgroundProgram::TBackgroundProgram(const TempDir& dir, const std::string& program,
                                       const std::vector<std::string>& arguments, const std::string& tag) {
  const std::string in = dir.Write(tag + ".stdin.txt", "");
  pid_ = Spawn(program, arguments, in, dir.File(tag + ".stdout.txt"), dir.File(tag + ".stderr.txt"));
}

TBackgroundProgram::~TBackgroundProgram() { Kill(); }

void TBackgroundProgram::Kill() {
  if (reaped_) return;
  ::kill(pid_, SIGKILL);
  WaitFor(pid_);
  reaped_ = true;
}

bool TBackgroundProgram::IsRunning() {
  if (reaped_) return false;
  int status = 0;
  if (waitpid(pid_, &status, WNOHANG) == pid_) reaped_ = true;
  return !reaped_;
}

}  // namespace corvellane::testing
