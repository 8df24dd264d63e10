#include "shell/launcher.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace corvellane {

namespace {

// Runs in the forked child: only async-signal-safe calls from here on.
[[noreturn]] void ExecGrandchild(char* const* argv, int error_pipe) {
  pid_t grandchild = ::fork();
  if (grandchild < 0) {
    int error = errno;
    (void)!::write(error_pipe, &error, sizeof error);
    ::_exit(1);
  }
  if (grandchild > 0) ::_exit(0);  // the grandchild is adopted by init
  ::setsid();
  ::execvp(argv[0], argv);
  int error = errno;
  (void)!::write(error_pipe, &error, sizeof error);
  ::_exit(127);
}

// Reads the error the grandchild reported; none arrives when exec worked,
// because the pipe's write end closes on exec.
bool ExecSucceeded(int read_end) {
  int error = 0;
  for (;;) {
    ssize_t n = ::read(read_end, &error, sizeof error);
    if (n < 0 && errno == EINTR) continue;
    return n == 0;
  }
}

}  // namespace

bool LaunchDetached(std::span<const std::string> arguments) {
  if (arguments.empty() || arguments.front().empty()) return false;
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  int pipe_ends[2];
  if (::pipe2(pipe_ends, O_CLOEXEC) != 0) return false;
  pid_t child = ::fork();
  if (child == 0) {
    ::close(pipe_ends[0]);
    ExecGrandchild(argv.data(), pipe_ends[1]);
  }
  ::close(pipe_ends[1]);
  bool started = false;
  if (child > 0) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    started = ExecSucceeded(pipe_ends[0]) && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  ::close(pipe_ends[0]);
  return started;
}

bool OpenWithDesktop(std::string_view address) {
  const std::string arguments[] = {"xdg-open", std::string(address)};
  return LaunchDetached(arguments);
}

}  // namespace corvellane
