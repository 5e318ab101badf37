#include "files.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "paths.h"
#include "platform/forms/sysutils.h"
#include "syserror.h"

namespace {

class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  ~Fd() { Reset(); }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }
  void Reset(int fd = -1) {
    if (fd_ >= 0) close(fd_);
    fd_ = fd;
  }

 private:
  int fd_;
};

std::function<int(ReplaceStep)>& Fault() {
  static std::function<int(ReplaceStep)> fault;
  return fault;
}

// 0 when the step may run; else the error code it fails with.
int Injected(ReplaceStep step) { return Fault() ? Fault()(step) : 0; }

[[noreturn]] void OpenFailure(const std::string& name, int code) {
  throw EFOpenError(Format(SFOpenErrorEx, {ExpandFileName(name), SysErrorMessage(code)}), code);
}

[[noreturn]] void CreateFailure(const std::string& name, int code) {
  throw EFCreateError(Format(SFCreateErrorEx, {ExpandFileName(name), SysErrorMessage(code)}), code);
}

[[noreturn]] void WriteFailure(int code) { throw EWriteError(std::string(SWriteError), code); }

std::string DirName(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a name finally stands for, following links, also to a target not there yet.
std::string FollowLinks(const std::string& fileName) {
  std::string path = fileName;
  for (int depth = 0; depth < 40; ++depth) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 256) + 1, '\0');
    const ssize_t n = readlink(path.c_str(), target.data(), target.size());
    if (n < 0) return path;
    target.resize(static_cast<std::size_t>(n));
    path = target.front() == '/' ? target : DirName(path) + "/" + target;
  }
  errno = ELOOP;
  return {};
}

// Writing past a file-size limit must fail the write, not end the program.
void IgnoreFileSizeSignal() {
  static const bool done = [] {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, nullptr);
    return true;
  }();
  (void)done;
}

std::string TemporaryPrefix(const std::string& base) { return "." + base + ".brenvik-"; }

std::string RandomSuffix() {
  static std::mt19937_64 random{std::random_device{}()};
  static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string suffix;
  for (int i = 0; i < 10; ++i) suffix += letters[random() % (sizeof letters - 1)];
  return suffix;
}

// Temporary files of this file that a program killed while saving left behind. Called under the
// file's exclusive lock, so that no other save is using one.
void RemoveLeftovers(int dirFd, const std::string& base) {
  const int copy = dup(dirFd);
  if (copy < 0) return;
  DIR* dir = fdopendir(copy);
  if (!dir) {
    close(copy);
    return;
  }
  const std::string prefix = TemporaryPrefix(base);
  while (dirent* entry = readdir(dir))
    if (std::string_view(entry->d_name).starts_with(prefix)) unlinkat(dirFd, entry->d_name, 0);
  closedir(dir);
}

// The new content's file: unnamed until it is complete where the system allows, so that a
// program killed while writing leaves nothing behind.
class TemporaryFile {
 public:
  TemporaryFile(int dirFd, const std::string& base, mode_t mode) : dirFd_(dirFd), base_(base) {
    if (const int code = Injected(ReplaceStep::CreateTemporary)) {
      errno = code;
      return;
    }
    fd_.Reset(openat(dirFd, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, mode));
    if (fd_) return;
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return;
    for (int attempt = 0; attempt < 100 && !fd_; ++attempt) {
      name_ = TemporaryPrefix(base) + RandomSuffix();
      fd_.Reset(openat(dirFd, name_.c_str(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, mode));
      if (!fd_ && errno != EEXIST) name_.clear();
      if (!fd_ && errno != EEXIST) return;
    }
  }
  ~TemporaryFile() {
    if (!name_.empty()) unlinkat(dirFd_, name_.c_str(), 0);
  }
  int fd() const { return fd_.get(); }
  bool ok() const { return static_cast<bool>(fd_); }

  // Puts the complete file in the place of the target; 0 or the error code.
  int Replace() {
    if (const int code = Injected(ReplaceStep::Rename)) return code;
    if (name_.empty()) {
      // Give the unnamed file a name next to the target, then move it over the target.
      const std::string proc = "/proc/self/fd/" + std::to_string(fd_.get());
      for (int attempt = 0; attempt < 100 && name_.empty(); ++attempt) {
        const std::string name = TemporaryPrefix(base_) + RandomSuffix();
        if (linkat(AT_FDCWD, proc.c_str(), dirFd_, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
          name_ = name;
        else if (errno != EEXIST)
          return errno;
      }
      if (name_.empty()) return EEXIST;
    }
    if (renameat(dirFd_, name_.c_str(), dirFd_, base_.c_str()) != 0) return errno;
    name_.clear();
    return 0;
  }

 private:
  int dirFd_;
  std::string base_;
  std::string name_;
  Fd fd_;
};

}  // namespace

void SetReplaceFaultForTesting(std::function<int(ReplaceStep)> fault) {
  Fault() = std::move(fault);
}

FileContents ReadWholeFile(const std::string& fileName) {
  Fd fd(open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (!fd) OpenFailure(fileName, errno);
  struct stat st {};
  if (fstat(fd.get(), &st) != 0) OpenFailure(fileName, errno);
  if (S_ISDIR(st.st_mode)) OpenFailure(fileName, EISDIR);
  // Anything but a plain file could block or never end.
  if (!S_ISREG(st.st_mode)) OpenFailure(fileName, EINVAL);
  fcntl(fd.get(), F_SETFL, fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
  if (flock(fd.get(), LOCK_SH | LOCK_NB) != 0) OpenFailure(fileName, errno);

  FileContents contents;
  const auto size = static_cast<std::size_t>(st.st_size);
  try {
    contents.data = std::make_unique_for_overwrite<char[]>(size);
  } catch (const std::bad_alloc&) {
    OpenFailure(fileName, ENOMEM);
  }
  while (contents.size < size) {
    const ssize_t n = read(fd.get(), contents.data.get() + contents.size, size - contents.size);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw EReadError(std::string(SReadError), errno);
    if (n == 0) break;  // the file got shorter since it was measured
    contents.size += static_cast<std::size_t>(n);
  }
  return contents;
}

void ReplaceFile(const std::string& fileName, std::string_view text) {
  IgnoreFileSizeSignal();
  const std::string target = FollowLinks(fileName);
  if (target.empty()) CreateFailure(fileName, errno);
  const std::string base = BaseName(target);
  Fd dir(open(DirName(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!dir) CreateFailure(fileName, errno);

  struct stat st {};
  const bool exists = fstatat(dir.get(), base.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
  if (!exists && errno != ENOENT) CreateFailure(fileName, errno);
  mode_t mode = 0666;  // less the umask, for a new file
  Fd lock;
  if (exists) {
    if (S_ISDIR(st.st_mode)) CreateFailure(fileName, EISDIR);
    if (!S_ISREG(st.st_mode)) CreateFailure(fileName, EINVAL);
    // Read-only means no write permission bit, also for root, whom no permission check stops.
    if ((st.st_mode & 0222) == 0) CreateFailure(fileName, EACCES);
    if (faccessat(dir.get(), base.c_str(), W_OK, AT_EACCESS) != 0) CreateFailure(fileName, errno);
    lock.Reset(openat(dir.get(), base.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    if (!lock) CreateFailure(fileName, errno);
    if (flock(lock.get(), LOCK_EX | LOCK_NB) != 0) CreateFailure(fileName, errno);
    mode = st.st_mode & 07777;
    RemoveLeftovers(dir.get(), base);
  }

  TemporaryFile temp(dir.get(), base, mode);
  if (!temp.ok()) CreateFailure(fileName, errno);
  for (std::size_t written = 0; written < text.size();) {
    if (const int code = Injected(ReplaceStep::Write)) WriteFailure(code);
    const ssize_t n = write(temp.fd(), text.data() + written, text.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) WriteFailure(n < 0 ? errno : ENOSPC);
    written += static_cast<std::size_t>(n);
  }
  if (const int code = Injected(ReplaceStep::Sync)) WriteFailure(code);
  if (fsync(temp.fd()) != 0) WriteFailure(errno);
  if (exists) {
    if (const int code = Injected(ReplaceStep::SetAttributes)) CreateFailure(fileName, code);
    if (fchmod(temp.fd(), mode) != 0) CreateFailure(fileName, errno);
    // Only root can give a file away; for anyone else it is already theirs, or stays so.
    if (fchown(temp.fd(), st.st_uid, st.st_gid) != 0 && errno != EPERM)
      CreateFailure(fileName, errno);
  }
  if (const int code = temp.Replace()) CreateFailure(fileName, code);
  if (const int code = Injected(ReplaceStep::SyncDirectory)) WriteFailure(code);
  if (fsync(dir.get()) != 0 && errno != EINVAL) WriteFailure(errno);
}
