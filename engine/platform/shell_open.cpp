#include "engine/platform/shell_open.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace corvellane {

namespace {

// In the first child: start the grandchild and leave at once, so the
// grandchild is adopted by init and the caller only reaps this child. A pipe
// with close-on-exec tells the caller whether exec succeeded.
[[noreturn]] void SpawnDetached(const std::string& program, const std::string& target, int report_fd) {
  setsid();
  pid_t grandchild = fork();
  if (grandchild == 0) {
    int dev_null = open("/dev/null", O_RDWR);
    if (dev_null >= 0) {
      dup2(dev_null, STDIN_FILENO);
      dup2(dev_null, STDOUT_FILENO);
    }
    char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(target.c_str()), nullptr};
    execvp(argv[0], argv);
    char failed = 1;
    (void)!write(report_fd, &failed, 1);
    _exit(127);
  }
  _exit(grandchild < 0 ? 127 : 0);
}

}  // namespace

bool IsSafeOpenTarget(std::string_view target) {
  if (target.empty() || target.front() == '-') return false;
  return target.find('\0') == std::string_view::npos;
}

bool OpenWithDesktop(std::string_view target, const char* program) {
  if (!IsSafeOpenTarget(target) || program == nullptr) return false;
  std::string program_text(program), target_text(target);
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return false;
  pid_t child = fork();
  if (child == 0) {
    close(report[0]);
    SpawnDetached(program_text, target_text, report[1]);
  }
  close(report[1]);
  bool started = false;
  if (child > 0) {
    int status = 0;
    waitpid(child, &status, 0);
    char failed = 0;
    // Returns 0 (end of file) once exec succeeded and closed the pipe.
    started = WIFEXITED(status) && WEXITSTATUS(status) == 0 && read(report[0], &failed, 1) == 0;
  }
  close(report[0]);
  return started;
}

}  // namespace corvellane
