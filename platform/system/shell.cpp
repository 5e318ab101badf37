#include "shell.h"

#include <cerrno>
#include <fcntl.h>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

std::function<unsigned(const std::string&, unsigned)>& Hook() {
  static std::function<unsigned(const std::string&, unsigned)> hook;
  return hook;
}

constexpr unsigned kStarted = 33;
constexpr unsigned kFileNotFound = 2;

bool IsExplorer(std::string_view program) {
  std::string lower;
  for (char c : program) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  return lower == "explorer.exe" || lower == "explorer";
}

// Starts the program in a session of its own, so that it outlives us and leaves no zombie:
// an intermediate child starts it and ends at once. Reports whether the program could start.
bool StartDetached(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return false;
  const pid_t middle = fork();
  if (middle < 0) {
    close(report[0]);
    close(report[1]);
    return false;
  }
  if (middle == 0) {
    setsid();
    if (fork() == 0) {
      execvp(argv[0], argv.data());
      const int code = errno;
      (void)!write(report[1], &code, sizeof code);
      _exit(127);
    }
    _exit(0);
  }
  close(report[1]);
  int code = 0;
  ssize_t n;
  do n = read(report[0], &code, sizeof code);
  while (n < 0 && errno == EINTR);
  close(report[0]);
  while (waitpid(middle, nullptr, 0) < 0 && errno == EINTR) {
  }
  return n == 0;  // the pipe closed on exec: the program runs
}

}  // namespace

void SetWinExecHookForTesting(std::function<unsigned(const std::string&, unsigned)> hook) {
  Hook() = std::move(hook);
}

unsigned WinExec(const char* commandLine, unsigned showCommand) {
  const std::string line = commandLine ? commandLine : "";
  if (Hook()) return Hook()(line, showCommand);
  std::vector<std::string> words;
  std::size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && line[at] == ' ') ++at;
    const std::size_t end = std::min(line.find(' ', at), line.size());
    if (end > at) words.push_back(line.substr(at, end - at));
    at = end;
  }
  if (words.empty()) return kFileNotFound;
  if (IsExplorer(words.front())) words.front() = "xdg-open";
  return StartDetached(words) ? kStarted : kFileNotFound;
}
