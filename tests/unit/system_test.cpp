// The shell launch and the input-method framework, with stand-in programs on the PATH.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "platform/system/keyboard.h"
#include "platform/system/shell.h"

namespace fs = std::filesystem;

namespace {

class StandInPrograms : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/brenvik-bin-XXXXXX";
    bin_ = mkdtemp(pattern);
    const char* path = std::getenv("PATH");
    oldPath_ = path ? path : "";
    setenv("PATH", (bin_.string() + ":" + oldPath_).c_str(), 1);
  }
  void TearDown() override {
    setenv("PATH", oldPath_.c_str(), 1);
    fs::remove_all(bin_);
  }
  void Program(const std::string& name, const std::string& script) {
    const fs::path file = bin_ / name;
    std::ofstream(file) << "#!/bin/sh\n" << script << "\n";
    fs::permissions(file, fs::perms::owner_all);
  }
  std::string Log() const {
    std::ifstream in(bin_ / "log");
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // Waits a while for a detached program to have written its log.
  std::string WaitForLog() const {
    for (int i = 0; i < 100 && Log().empty(); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return Log();
  }

  fs::path bin_;
  std::string oldPath_;
};

TEST_F(StandInPrograms, TheExplorerCommandOpensTheAddressWithTheDesktopsOpener) {
  Program("xdg-open", "echo \"$@\" > " + (bin_ / "log").string());
  EXPECT_GT(WinExec("explorer.exe  http://tamsel.example.com/", 5), 31u);
  EXPECT_EQ(WaitForLog(), "http://tamsel.example.com/\n");
}

TEST_F(StandInPrograms, TheLaunchDoesNotWaitForTheProgram) {
  Program("xdg-open", "sleep 5; echo late > " + (bin_ / "log").string());
  const auto start = std::chrono::steady_clock::now();
  EXPECT_GT(WinExec("explorer.exe  http://tamsel.example.com/", 5), 31u);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
  EXPECT_EQ(Log(), "");
}

TEST_F(StandInPrograms, AFailedStartIsOnlyAnErrorNumber) {
  setenv("PATH", bin_.c_str(), 1);  // no opener anywhere
  EXPECT_EQ(WinExec("explorer.exe  http://tamsel.example.com/", 5), 2u);
  EXPECT_EQ(WinExec("", 5), 2u);
}

TEST_F(StandInPrograms, IBusEnginesAreListedAndSwitched) {
  const std::string log = (bin_ / "log").string();
  Program("ibus",
          "case \"$1\" in\n"
          "  list-engine) printf 'language: Chinese\\n  pinyin - 中文 (简体) - 全拼\\n"
          "  libpinyin - Intelligent Pinyin\\nlanguage: English\\n  xkb:us::eng - English (US)\\n' ;;\n"
          "  engine) if [ -n \"$2\" ]; then echo \"switch $2\" >> " + log +
              "; else echo xkb:us::eng; fi ;;\n"
          "esac");
  // The framework is chosen once per process: ask in a child of our own.
  const pid_t pid = fork();
  if (pid == 0) {
    setenv("QT_IM_MODULE", "ibus", 1);
    TKeyboardLayouts& layouts = KeyboardLayouts();
    const auto installed = layouts.InstalledLayouts();
    const bool listed = installed.size() == 3 && installed[0].id == "pinyin" &&
                        installed[0].name == "中文 (简体) - 全拼" &&
                        installed[2].name == "English (US)";
    const bool active = layouts.ActiveLayout() == "xkb:us::eng";
    const bool switched = layouts.ActivateLayout("pinyin");
    _exit(listed && active && switched ? 0 : 1);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(Log(), "switch pinyin\n");
}

TEST(KeyboardLayoutsTest, WithoutAFrameworkNothingIsTouched) {
  const pid_t pid = fork();
  if (pid == 0) {
    unsetenv("QT_IM_MODULE");
    unsetenv("XMODIFIERS");
    unsetenv("GTK_IM_MODULE");
    TKeyboardLayouts& layouts = KeyboardLayouts();
    _exit(layouts.InstalledLayouts().empty() && layouts.ActiveLayout().empty() &&
                  !layouts.ActivateLayout("pinyin")
              ? 0
              : 1);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
