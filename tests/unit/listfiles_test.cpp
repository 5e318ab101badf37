// The list files on real files in a temporary directory: the format, and every failure provoked
// for real, with what each leaves on disk.
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sched.h>
#include <string>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "lists/listfiles.h"
#include "platform/forms/sysutils.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "platform/system/syserror.h"

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::vector<std::string> RowsOf(const TStrings& s) {
  std::vector<std::string> rows;
  for (int i = 0; i < s.Count(); ++i) rows.emplace_back(s[i]);
  return rows;
}

// Runs the function in a child process and returns its exit code, or 128 + the signal.
int InChild(const std::function<int()>& body) {
  const pid_t pid = fork();
  if (pid == 0) _exit(body());
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Another program holding a lock on a file until destroyed.
class ForeignLock {
 public:
  ForeignLock(const fs::path& path, int operation) {
    int ready[2];
    if (pipe(ready) != 0) std::abort();
    pid_ = fork();
    if (pid_ == 0) {
      const int fd = open(path.c_str(), O_RDONLY);
      if (fd < 0 || flock(fd, operation) != 0) _exit(1);
      if (write(ready[1], "x", 1) != 1) _exit(1);
      pause();
      _exit(0);
    }
    char c;
    close(ready[1]);
    locked_ = read(ready[0], &c, 1) == 1;
    close(ready[0]);
  }
  ~ForeignLock() { Release(); }
  bool Locked() const { return locked_; }
  void Release() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
      pid_ = -1;
    }
  }

 private:
  pid_t pid_ = -1;
  bool locked_ = false;
};

class ListFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/brenvik-lists-XXXXXX";
    dir_ = mkdtemp(pattern);
    old_ = fs::current_path();
    fs::current_path(dir_);
    setenv("PWD", dir_.c_str(), 1);
  }
  void TearDown() override {
    SetReplaceFaultForTesting({});
    fs::current_path(old_);
    std::error_code ignored;
    fs::permissions(dir_, fs::perms::all, ignored);
    fs::remove_all(dir_, ignored);
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  // Every name in the directory, to show that nothing was left behind.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
  template <class E>
  std::string FailureOf(const std::function<void()>& f) {
    try {
      f();
    } catch (const E& e) {
      return e.Message();
    } catch (const std::exception& e) {
      return "wrong failure: "s + e.what();
    }
    return "no failure";
  }

  fs::path dir_;
  fs::path old_;
};

struct FormatCase {
  const char* name;
  std::string file;
  std::vector<std::string> rows;
  std::string saved;
};

class FormatTest : public ListFilesTest, public testing::WithParamInterface<FormatCase> {};

TEST_P(FormatTest, LoadsTheLinesAndSavesThemWithCrLf) {
  WriteBytes("daiban.txt", GetParam().file);
  TStrings list;
  LoadListFile("daiban.txt", list);
  EXPECT_EQ(RowsOf(list), GetParam().rows);
  SaveListFile(list, "daiban.txt");
  EXPECT_EQ(ReadBytes("daiban.txt"), GetParam().saved);
  EXPECT_EQ(Entries(), std::vector<std::string>{"daiban.txt"});
}

INSTANTIATE_TEST_SUITE_P(
    Files, FormatTest,
    testing::Values(
        FormatCase{"empty", "", {}, ""},
        FormatCase{"no_final_break", "a\r\nb", {"a", "b"}, "a\r\nb\r\n"},
        FormatCase{"crlf", "a\r\nb\r\n", {"a", "b"}, "a\r\nb\r\n"},
        FormatCase{"lf", "a\nb\n", {"a", "b"}, "a\r\nb\r\n"},
        FormatCase{"cr", "a\rb\r", {"a", "b"}, "a\r\nb\r\n"},
        FormatCase{"lf_cr", "a\n\rb", {"a", "", "b"}, "a\r\n\r\nb\r\n"},
        FormatCase{"cr_cr_lf", "a\r\r\nb", {"a", "", "b"}, "a\r\n\r\nb\r\n"},
        FormatCase{"one_empty_line", "\r\n", {""}, "\r\n"},
        FormatCase{"empty_lines_between", "a\r\n\r\n\r\nb", {"a", "", "", "b"}, "a\r\n\r\n\r\nb\r\n"},
        FormatCase{"two_breaks_at_the_end", "a\n\n", {"a", ""}, "a\r\n\r\n"},
        FormatCase{"zero_byte", "ab\0cd\r\nef\r\n"s, {"ab"}, "ab\r\n"},
        FormatCase{"utf8_bom", "\xEF\xBB\xBF买牛奶\r\n", {"\xEF\xBB\xBF买牛奶"}, "\xEF\xBB\xBF买牛奶\r\n"},
        FormatCase{"utf16", "\xFF\xFEh\0i\0"s, {"\xFF\xFEh"}, "\xFF\xFEh\r\n"},
        FormatCase{"blanks_and_tabs", "  a\t\r\n\t b  \r\n", {"  a\t", "\t b  "}, "  a\t\r\n\t b  \r\n"},
        FormatCase{"repeated_lines", "x\nx\n", {"x", "x"}, "x\r\nx\r\n"},
        FormatCase{"not_utf8", "\x80\xFE\xFF\xC0\xAF\r\n\xE4\xB9\r\n", {"\x80\xFE\xFF\xC0\xAF", "\xE4\xB9"},
                   "\x80\xFE\xFF\xC0\xAF\r\n\xE4\xB9\r\n"},
        FormatCase{"gbk_bytes", "\xC2\xF2\xC5\xA3\xC4\xCC\r\n", {"\xC2\xF2\xC5\xA3\xC4\xCC"},
                   "\xC2\xF2\xC5\xA3\xC4\xCC\r\n"}),
    [](const testing::TestParamInfo<FormatCase>& info) { return info.param.name; });

TEST_F(ListFilesTest, AMissingFileIsTheOpenFailureWithTheFullPath) {
  TStrings list;
  list.Add("kept");
  EXPECT_EQ(FailureOf<EFOpenError>([&] { LoadListFile("daiban.txt", list); }),
            "Cannot open file \"" + Path("daiban.txt") + "\". No such file or directory");
  EXPECT_EQ(RowsOf(list), std::vector<std::string>{"kept"});
  EXPECT_TRUE(Entries().empty());
  // A missing file has nothing to protect: the next save creates it.
  SaveListFile(list, "daiban.txt");
  EXPECT_EQ(ReadBytes("daiban.txt"), "kept\r\n");
}

TEST_F(ListFilesTest, TheFullPathKeepsTheDirectoryNameTheUserReachedItBy) {
  fs::create_directory("real");
  fs::create_directory_symlink(dir_ / "real", "link");
  fs::current_path("link");
  setenv("PWD", (dir_ / "link").c_str(), 1);
  EXPECT_EQ(ExpandFileName("daiban.txt"), Path("link/daiban.txt"));
  EXPECT_EQ(ExpandFileName("/abs/x.txt"), "/abs/x.txt");
  setenv("PWD", "/nonexistent", 1);
  EXPECT_EQ(ExpandFileName("daiban.txt"), Path("real/daiban.txt"));
}

TEST_F(ListFilesTest, SystemTextsFollowTheLocale) {
  EXPECT_EQ(SysErrorMessage(ENOENT), "No such file or directory");
  EXPECT_EQ(SysErrorMessage(99999), "");
  setenv("LC_ALL", "zh_CN.UTF-8", 1);
  const std::string chinese = SysErrorMessage(ENOENT);
  unsetenv("LC_ALL");
  if (chinese == "No such file or directory") GTEST_SKIP() << "no Chinese locale here";
  EXPECT_EQ(chinese, "没有那个文件或目录");
  EXPECT_EQ(ErrorBoxText(Format(SFOpenErrorEx, {"/x/daiban.txt", chinese})),
            "Cannot open file \"/x/daiban.txt\". 没有那个文件或目录.");
}

struct CreateFailureCase {
  const char* name;
  std::function<void(const fs::path& dir)> arrange;
  std::string systemText;
};

class CreateFailureTest : public ListFilesTest, public testing::WithParamInterface<CreateFailureCase> {};

TEST_P(CreateFailureTest, LeavesTheOldFileExactlyAsItWas) {
  WriteBytes("daiban.txt", "old\r\n");
  GetParam().arrange(dir_);
  struct stat before {};
  lstat("daiban.txt", &before);
  TStrings list;
  list.Add("new");
  EXPECT_EQ(FailureOf<EFCreateError>([&] { SaveListFile(list, "daiban.txt"); }),
            "Cannot create file \"" + Path("daiban.txt") + "\". " + GetParam().systemText);
  struct stat after {};
  lstat("daiban.txt", &after);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
  if (S_ISREG(after.st_mode)) EXPECT_EQ(ReadBytes("daiban.txt"), "old\r\n");
  EXPECT_EQ(Entries(), std::vector<std::string>{"daiban.txt"});
}

INSTANTIATE_TEST_SUITE_P(
    Causes, CreateFailureTest,
    testing::Values(
        CreateFailureCase{"read_only_file",
                          [](const fs::path&) { chmod("daiban.txt", 0444); }, "Permission denied"},
        CreateFailureCase{"directory_of_that_name",
                          [](const fs::path&) {
                            fs::remove("daiban.txt");
                            fs::create_directory("daiban.txt");
                          },
                          "Is a directory"}),
    [](const testing::TestParamInfo<CreateFailureCase>& info) { return info.param.name; });

TEST_F(ListFilesTest, AFileLockedByAReaderCannotBeReplaced) {
  WriteBytes("daiban.txt", "old\r\n");
  ForeignLock reader(dir_ / "daiban.txt", LOCK_SH);
  ASSERT_TRUE(reader.Locked());
  TStrings list;
  list.Add("new");
  EXPECT_EQ(FailureOf<EFCreateError>([&] { SaveListFile(list, "daiban.txt"); }),
            "Cannot create file \"" + Path("daiban.txt") + "\". Resource temporarily unavailable");
  EXPECT_EQ(ReadBytes("daiban.txt"), "old\r\n");
  // Readers may share it, though.
  TStrings other;
  LoadListFile("daiban.txt", other);
  EXPECT_EQ(RowsOf(other), std::vector<std::string>{"old"});
}

TEST_F(ListFilesTest, AFileLockedByAWriterCannotBeRead) {
  WriteBytes("daiban.txt", "old\r\n");
  ForeignLock writer(dir_ / "daiban.txt", LOCK_EX);
  ASSERT_TRUE(writer.Locked());
  TStrings list;
  EXPECT_EQ(FailureOf<EFOpenError>([&] { LoadListFile("daiban.txt", list); }),
            "Cannot open file \"" + Path("daiban.txt") + "\". Resource temporarily unavailable");
}

TEST_F(ListFilesTest, AnUnprivilegedUserCannotWriteARootDirectory) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to become another user";
  WriteBytes("daiban.txt", "old\r\n");
  chmod("daiban.txt", 0666);  // the file itself is writable by anyone; the directory is not
  chmod(dir_.c_str(), 0755);
  const std::string expected = "Cannot create file \"" + Path("daiban.txt") + "\". Permission denied";
  const int rc = InChild([&] {
    if (setresgid(65534, 65534, 65534) != 0 || setresuid(65534, 65534, 65534) != 0) return 2;
    TStrings list;
    list.Add("new");
    try {
      SaveListFile(list, "daiban.txt");
    } catch (const EFCreateError& e) {
      return e.Message() == expected ? 0 : 3;
    } catch (...) {
      return 4;
    }
    return 5;
  });
  EXPECT_EQ(rc, 0);
  EXPECT_EQ(ReadBytes("daiban.txt"), "old\r\n");
  EXPECT_EQ(Entries(), std::vector<std::string>{"daiban.txt"});
}

TEST_F(ListFilesTest, AnUnprivilegedUserCannotReadAFileWithoutAccess) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to become another user";
  WriteBytes("daiban.txt", "secret\r\n");
  chmod("daiban.txt", 0600);
  chmod(dir_.c_str(), 0777);
  const std::string expected = "Cannot open file \"" + Path("daiban.txt") + "\". Permission denied";
  const int rc = InChild([&] {
    if (setresgid(65534, 65534, 65534) != 0 || setresuid(65534, 65534, 65534) != 0) return 2;
    TStrings list;
    try {
      LoadListFile("daiban.txt", list);
    } catch (const EFOpenError& e) {
      if (e.Message() != expected) return 3;
      // Never readable, never replaced: an empty list leaves the file alone.
      try {
        SaveListFile(list, "daiban.txt");
      } catch (...) {
        return 6;
      }
      return 0;
    }
    return 5;
  });
  EXPECT_EQ(rc, 0);
  EXPECT_EQ(ReadBytes("daiban.txt"), "secret\r\n");
}

// What a failed write must leave: the old file, untouched, and nothing else.
void ExpectWriteFailureKeepsTheFile(ListFilesTest& t, const std::function<void()>& inChild) {
  (void)t;
  const int rc = InChild([&] {
    TStrings list;
    list.SetText(std::string(200000, 'n') + "\r\n");
    try {
      inChild();
      SaveListFile(list, "daiban.txt");
    } catch (const EWriteError& e) {
      return e.Message() == "Stream write error" ? 0 : 3;
    } catch (const std::exception& e) {
      fprintf(stderr, "%s\n", e.what());
      return 4;
    }
    return 5;
  });
  EXPECT_EQ(rc, 0);
}

TEST_F(ListFilesTest, AFileSizeLimitIsAWriteFailure) {
  WriteBytes("daiban.txt", "old\r\n");
  ExpectWriteFailureKeepsTheFile(*this, [] {
    const rlimit limit{10000, 10000};
    setrlimit(RLIMIT_FSIZE, &limit);
  });
  EXPECT_EQ(ReadBytes("daiban.txt"), "old\r\n");
  EXPECT_EQ(Entries(), std::vector<std::string>{"daiban.txt"});
}

TEST_F(ListFilesTest, AFullDiskIsAWriteFailure) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root for a private mount";
  // A small file system of our own, in a mount namespace of the child alone.
  const int rc = InChild([&] {
    if (unshare(CLONE_NEWNS) != 0) return 10;
    if (mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return 11;
    if (mount("tmpfs", dir_.c_str(), "tmpfs", 0, "size=64k") != 0) return 12;
    WriteBytes(dir_ / "daiban.txt", "old\r\n");
    fs::current_path(dir_);
    TStrings list;
    list.SetText(std::string(200000, 'n') + "\r\n");
    try {
      SaveListFile(list, "daiban.txt");
      return 5;
    } catch (const EWriteError& e) {
      if (e.Message() != "Stream write error") return 3;
    } catch (...) {
      return 4;
    }
    if (ReadBytes(dir_ / "daiban.txt") != "old\r\n") return 6;
    if (std::distance(fs::directory_iterator(dir_), fs::directory_iterator()) != 1) return 7;
    return 0;
  });
  if (rc >= 10) GTEST_SKIP() << "no private mounts here (" << rc << ")";
  EXPECT_EQ(rc, 0);
}

struct FaultCase {
  const char* name;
  ReplaceStep step;
  bool writeFailure;  // else a create failure
  bool newTextInPlace;
};

class FaultTest : public ListFilesTest, public testing::WithParamInterface<FaultCase> {};

TEST_P(FaultTest, AFailureAtAnyStepLeavesOneCompleteFile) {
  WriteBytes("daiban.txt", "old\r\n");
  chmod("daiban.txt", 0640);
  SetReplaceFaultForTesting([](ReplaceStep step) { return step == GetParam().step ? EIO : 0; });
  TStrings list;
  list.Add("new");
  bool failed = false;
  try {
    SaveListFile(list, "daiban.txt");
  } catch (const EWriteError& e) {
    failed = GetParam().writeFailure && e.Message() == "Stream write error";
  } catch (const EFCreateError& e) {
    failed = !GetParam().writeFailure &&
             e.Message() == "Cannot create file \"" + Path("daiban.txt") + "\". Input/output error";
  }
  EXPECT_TRUE(failed);
  EXPECT_EQ(ReadBytes("daiban.txt"), GetParam().newTextInPlace ? "new\r\n" : "old\r\n");
  EXPECT_EQ(fs::status("daiban.txt").permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Entries(), std::vector<std::string>{"daiban.txt"});
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FaultTest,
    testing::Values(FaultCase{"create_temporary", ReplaceStep::CreateTemporary, false, false},
                    FaultCase{"write", ReplaceStep::Write, true, false},
                    FaultCase{"sync", ReplaceStep::Sync, true, false},
                    FaultCase{"set_attributes", ReplaceStep::SetAttributes, false, false},
                    FaultCase{"rename", ReplaceStep::Rename, false, false},
                    FaultCase{"sync_directory", ReplaceStep::SyncDirectory, true, true}),
    [](const testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

TEST_F(ListFilesTest, ALinkStaysALinkAndItsTargetGetsTheText) {
  fs::create_directory("elsewhere");
  WriteBytes("elsewhere/real.txt", "old\r\n");
  chmod("elsewhere/real.txt", 0600);
  fs::create_symlink("elsewhere/real.txt", "daiban.txt");
  TStrings list;
  LoadListFile("daiban.txt", list);
  list.Add("new");
  SaveListFile(list, "daiban.txt");
  EXPECT_TRUE(fs::is_symlink("daiban.txt"));
  EXPECT_EQ(fs::read_symlink("daiban.txt"), "elsewhere/real.txt");
  EXPECT_EQ(ReadBytes("elsewhere/real.txt"), "old\r\nnew\r\n");
  EXPECT_EQ((fs::status("elsewhere/real.txt").permissions() & fs::perms::all),
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Entries().size(), 2u);
}

TEST_F(ListFilesTest, ANewFileGetsTheUsualPermissions) {
  const mode_t old = umask(022);
  TStrings list;
  SaveListFile(list, "wancheng.txt");
  umask(old);
  EXPECT_EQ(ReadBytes("wancheng.txt"), "");
  EXPECT_EQ(fs::status("wancheng.txt").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                fs::perms::others_read);
}

TEST_F(ListFilesTest, LeftoversOfAKilledSaveAreRemovedAtTheNextSave) {
  WriteBytes("daiban.txt", "old\r\n");
  WriteBytes(".daiban.txt.brenvik-abcdefghij", "half");
  TStrings list;
  SaveListFile(list, "daiban.txt");
  EXPECT_EQ(Entries(), std::vector<std::string>{"daiban.txt"});
}

// A file that exists but could not be read at creation.
class UnreadFileTest : public ListFilesTest {
 protected:
  void LoadWhileLocked(TStrings& list) {
    ForeignLock writer(dir_ / "daiban.txt", LOCK_EX);
    ASSERT_TRUE(writer.Locked());
    EXPECT_THROW(LoadListFile("daiban.txt", list), EFOpenError);
  }
};

TEST_F(UnreadFileTest, AListWithNoRowsLeavesItsFileAsItIs) {
  WriteBytes("daiban.txt", "precious\r\n");
  struct stat before {};
  stat("daiban.txt", &before);
  TStrings list;
  LoadWhileLocked(list);
  SaveListFile(list, "daiban.txt");
  struct stat after {};
  stat("daiban.txt", &after);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(ReadBytes("daiban.txt"), "precious\r\n");
}

TEST_F(UnreadFileTest, AddedRowsFollowTheFilesLinesAndAreSavedOnce) {
  WriteBytes("daiban.txt", "precious\nmore");
  TStrings list;
  LoadWhileLocked(list);
  list.Add("added");
  SaveListFile(list, "daiban.txt");
  EXPECT_EQ(ReadBytes("daiban.txt"), "precious\r\nmore\r\nadded\r\n");
  EXPECT_EQ(RowsOf(list), (std::vector<std::string>{"precious", "more", "added"}));
  // The list holds the file now: saving again writes it as it is.
  SaveListFile(list, "daiban.txt");
  EXPECT_EQ(ReadBytes("daiban.txt"), "precious\r\nmore\r\nadded\r\n");
}

TEST_F(UnreadFileTest, AFileStillUnreadableFailsTheSaveAndIsKept) {
  WriteBytes("daiban.txt", "precious\r\n");
  TStrings list;
  LoadWhileLocked(list);
  list.Add("added");
  ForeignLock writer(dir_ / "daiban.txt", LOCK_EX);
  ASSERT_TRUE(writer.Locked());
  EXPECT_EQ(FailureOf<EFOpenError>([&] { SaveListFile(list, "daiban.txt"); }),
            "Cannot open file \"" + Path("daiban.txt") + "\". Resource temporarily unavailable");
  writer.Release();
  EXPECT_EQ(ReadBytes("daiban.txt"), "precious\r\n");
  SaveListFile(list, "daiban.txt");
  EXPECT_EQ(ReadBytes("daiban.txt"), "precious\r\nadded\r\n");
}

TEST_F(UnreadFileTest, ALoadCutShortByAFullListKeepsTheRestOfTheFile) {
  WriteBytes("daiban.txt", "1\r\n2\r\n3\r\n4\r\n");
  TStrings list;
  list.SetMaxCount(2);
  EXPECT_THROW(LoadListFile("daiban.txt", list), EStringListError);
  EXPECT_EQ(RowsOf(list), (std::vector<std::string>{"1", "2"}));
  // Unchanged: the file stays.
  SaveListFile(list, "daiban.txt");
  EXPECT_EQ(ReadBytes("daiban.txt"), "1\r\n2\r\n3\r\n4\r\n");
  // The user deletes one row read and adds one: the lines never read are kept.
  list.Delete(0);
  list.Add("x");
  list.SetMaxCount(100);
  SaveListFile(list, "daiban.txt");
  EXPECT_EQ(ReadBytes("daiban.txt"), "2\r\n3\r\n4\r\nx\r\n");
}

TEST_F(ListFilesTest, AFileTooLargeForMemoryIsAClearErrorAndIsKept) {
  {
    std::ofstream big("daiban.txt", std::ios::binary);
  }
  ASSERT_EQ(truncate("daiban.txt", off_t(1) << 32), 0);  // 4 GiB, sparse
  const std::string expected = "Cannot open file \"" + Path("daiban.txt") + "\". Cannot allocate memory";
  const int rc = InChild([&] {
    const rlimit limit{std::size_t(1) << 30, std::size_t(1) << 30};
    setrlimit(RLIMIT_AS, &limit);
    TStrings list;
    try {
      LoadListFile("daiban.txt", list);
    } catch (const EFOpenError& e) {
      if (e.Message() != expected) return 3;
      SaveListFile(list, "daiban.txt");
      return 0;
    } catch (...) {
      return 4;
    }
    return 5;
  });
  EXPECT_EQ(rc, 0);
  EXPECT_EQ(fs::file_size("daiban.txt"), std::uintmax_t(1) << 32);
}

TEST_F(ListFilesTest, TheWholeFileIsReadWhenOneReadDeliversLess) {
  // Linux hands out at most about 2 GiB per read: a larger file takes several.
  {
    std::ofstream big("big.txt", std::ios::binary);
  }
  const off_t size = (off_t(1) << 31) + 4096;
  ASSERT_EQ(truncate("big.txt", size - 5), 0);
  {
    std::ofstream tail("big.txt", std::ios::binary | std::ios::app);
    tail << "tail!";
  }
  const FileContents contents = ReadWholeFile("big.txt");
  ASSERT_EQ(contents.size, static_cast<std::size_t>(size));
  EXPECT_EQ(std::string(contents.data.get() + size - 5, 5), "tail!");
}

TEST_F(ListFilesTest, AProcessKilledWhileSavingNeverLeavesAHalfFile) {
  // Two large versions of the list, saved in turn by a child that is killed at random moments.
  std::string a, b;
  for (int i = 0; i < 400000; ++i) {
    a += "item a " + std::to_string(i) + "\r\n";
    b += "B " + std::to_string(i) + "\r\n";
  }
  WriteBytes("daiban.txt", a);
  std::mt19937 random(12345);
  for (int round = 0; round < 25; ++round) {
    const pid_t pid = fork();
    if (pid == 0) {
      TStrings list;
      for (int i = 0;; ++i) {
        list.SetText(i % 2 ? a : b);
        SaveListFile(list, "daiban.txt");
      }
    }
    usleep(std::uniform_int_distribution<int>(1000, 150000)(random));
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    const std::string now = ReadBytes("daiban.txt");
    ASSERT_TRUE(now == a || now == b) << "round " << round << ": " << now.size() << " bytes";
    ASSERT_EQ(Entries(), std::vector<std::string>{"daiban.txt"}) << "round " << round;
  }
}

TEST(LoadListFilesTest, AFirstStartReportsOnlyThePendingList) {
  char pattern[] = "/tmp/brenvik-first-XXXXXX";
  const fs::path dir = mkdtemp(pattern);
  const fs::path old = fs::current_path();
  fs::current_path(dir);
  TStrings pending, completed;
  auto failures = LoadListFiles({{"daiban.txt", &pending}, {"wancheng.txt", &completed}});
  EXPECT_EQ(failures.size(), 1u);
  // With the pending file there, a missing completed file is reported.
  WriteBytes("daiban.txt", "p\r\n");
  failures = LoadListFiles({{"daiban.txt", &pending}, {"wancheng.txt", &completed}});
  EXPECT_EQ(failures.size(), 1u);
  EXPECT_EQ(RowsOf(pending), std::vector<std::string>{"p"});
  // A pending file that cannot be read does not keep the completed list from loading.
  fs::remove("daiban.txt");
  fs::create_directory("daiban.txt");
  WriteBytes("wancheng.txt", "c\r\n");
  failures = LoadListFiles({{"daiban.txt", &pending}, {"wancheng.txt", &completed}});
  EXPECT_EQ(failures.size(), 1u);
  EXPECT_EQ(RowsOf(completed), std::vector<std::string>{"c"});
  fs::current_path(old);
  fs::remove_all(dir);
}

}  // namespace
