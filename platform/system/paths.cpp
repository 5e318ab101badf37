#include "paths.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

namespace {

// The current directory as the shell shows it: $PWD when it still names this directory, so that
// a directory reached through a link keeps that name; else the physical one.
std::string CurrentDirectory() {
  struct stat here {}, pwd {};
  const char* env = std::getenv("PWD");
  if (env && env[0] == '/' && stat(".", &here) == 0 && stat(env, &pwd) == 0 &&
      here.st_dev == pwd.st_dev && here.st_ino == pwd.st_ino)
    return env;
  std::unique_ptr<char, decltype(&std::free)> cwd(getcwd(nullptr, 0), &std::free);
  return cwd ? cwd.get() : ".";
}

}  // namespace

std::string ExpandFileName(std::string_view name) {
  if (!name.empty() && name.front() == '/') return std::string(name);
  std::string path = CurrentDirectory();
  if (path.empty() || path.back() != '/') path += '/';
  path += name;
  return path;
}
