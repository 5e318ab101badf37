#include "keyboard.h"

#include <cerrno>
#include <chrono>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include "codepage.h"

extern char** environ;

namespace {

// Runs a command of the input-method framework; false when it could not run, failed or took
// longer than a moment: a focus change must never hang on it.
bool Run(const std::vector<std::string>& args, std::string* output) {
  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = -1;
  const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    return false;
  }
  std::string text;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(1500);
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd p{out[0], POLLIN, 0};
    if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) {
      kill(pid, SIGKILL);
      break;
    }
    char buffer[4096];
    const ssize_t n = read(out[0], buffer, sizeof buffer);
    if (n <= 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
  }
  close(out[0]);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
  if (output) *output = text;
  return true;
}

std::string Trim(std::string s) {
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.pop_back();
  std::size_t start = 0;
  while (start < s.size() && static_cast<unsigned char>(s[start]) <= ' ') ++start;
  return s.substr(start);
}

class NoLayouts : public TKeyboardLayouts {
 public:
  std::string ActiveLayout() override { return {}; }
  std::vector<TKeyboardLayout> InstalledLayouts() override { return {}; }
  bool ActivateLayout(const std::string&) override { return false; }
};

class IBusLayouts : public TKeyboardLayouts {
 public:
  std::string ActiveLayout() override {
    std::string out;
    return Run({"ibus", "engine"}, &out) ? Trim(out) : std::string();
  }
  std::vector<TKeyboardLayout> InstalledLayouts() override {
    // "language: ..." headings, then "  id - long name" lines.
    std::string out;
    std::vector<TKeyboardLayout> layouts;
    if (!Run({"ibus", "list-engine"}, &out)) return layouts;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
      if (line.rfind("  ", 0) != 0) continue;
      line = Trim(line);
      const auto dash = line.find(" - ");
      if (dash == std::string::npos) continue;
      layouts.push_back({line.substr(0, dash), line.substr(dash + 3)});
    }
    return layouts;
  }
  bool ActivateLayout(const std::string& id) override {
    return !id.empty() && Run({"ibus", "engine", id}, nullptr);
  }
};

class Fcitx5Layouts : public TKeyboardLayouts {
 public:
  std::string ActiveLayout() override {
    std::string out;
    return Run({"fcitx5-remote", "-n"}, &out) ? Trim(out) : std::string();
  }
  // Fcitx 5 names its input methods by their ids on its command line.
  std::vector<TKeyboardLayout> InstalledLayouts() override {
    const std::string active = ActiveLayout();
    if (active.empty()) return {};
    return {{active, active}};
  }
  bool ActivateLayout(const std::string& id) override {
    return !id.empty() && Run({"fcitx5-remote", "-s", id}, nullptr);
  }
};

bool Mentions(const char* variable, const char* framework) {
  const char* value = std::getenv(variable);
  return value && std::strstr(value, framework);
}

std::unique_ptr<TKeyboardLayouts> MakeSystemLayouts() {
  if (Mentions("QT_IM_MODULE", "ibus") || Mentions("XMODIFIERS", "ibus") ||
      Mentions("GTK_IM_MODULE", "ibus"))
    return std::make_unique<IBusLayouts>();
  if (Mentions("QT_IM_MODULE", "fcitx") || Mentions("XMODIFIERS", "fcitx") ||
      Mentions("GTK_IM_MODULE", "fcitx"))
    return std::make_unique<Fcitx5Layouts>();
  return std::make_unique<NoLayouts>();
}

TKeyboardLayouts* testing = nullptr;
std::string startup;

}  // namespace

bool TKeyboardLayouts::DoubleByteSystem() const {
  const char* ctype = std::setlocale(LC_CTYPE, nullptr);
  const std::string name = ctype ? ctype : "";
  for (const char* language : {"zh", "ja", "ko"})
    if (name.rfind(language, 0) == 0) return true;
  for (const char* codeSet : {"GB2312", "GBK", "GB18030", "BIG5", "BIG5-HKSCS", "EUC-JP",
                              "SHIFT_JIS", "EUC-KR", "EUC-TW"})
    if (AnsiCodeSet() == codeSet) return true;
  return false;
}

TKeyboardLayouts& KeyboardLayouts() {
  if (testing) return *testing;
  static const std::unique_ptr<TKeyboardLayouts> system = MakeSystemLayouts();
  return *system;
}

const std::string& StartupKeyboardLayout() { return startup; }

void TakeStartupKeyboardLayout() { startup = KeyboardLayouts().ActiveLayout(); }

void SetKeyboardLayoutsForTesting(TKeyboardLayouts* layouts) {
  testing = layouts;
  TakeStartupKeyboardLayout();
}
