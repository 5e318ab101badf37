#pragma once

#include <exception>
#include <initializer_list>
#include <string>
#include <string_view>

// Failures are exceptions that carry the message the user sees, as bytes in the ANSI code page.
class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const noexcept { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

class EStringListError : public Exception {
  using Exception::Exception;
};

// A failure of a file, with the system's error code where there is one.
class EStreamError : public Exception {
 public:
  explicit EStreamError(std::string message, int errorCode = 0)
      : Exception(std::move(message)), errorCode_(errorCode) {}
  int ErrorCode() const noexcept { return errorCode_; }

 private:
  int errorCode_;
};

class EFOpenError : public EStreamError {
  using EStreamError::EStreamError;
};

class EFCreateError : public EStreamError {
  using EStreamError::EStreamError;
};

class EWriteError : public EStreamError {
  using EStreamError::EStreamError;
};

class EReadError : public EStreamError {
  using EStreamError::EStreamError;
};

class EOutOfMemory : public Exception {
  using Exception::Exception;
};

// Messages of the run-time library, as it words them.
inline constexpr std::string_view SFOpenErrorEx = "Cannot open file \"%s\". %s";
inline constexpr std::string_view SFCreateErrorEx = "Cannot create file \"%s\". %s";
inline constexpr std::string_view SWriteError = "Stream write error";
inline constexpr std::string_view SReadError = "Stream read error";
inline constexpr std::string_view SInsertLineError = "Unable to insert a line";
inline constexpr std::string_view SListIndexError = "List index out of bounds (%d)";
inline constexpr std::string_view SOutOfMemory = "Out of memory";

// Replaces each "%s" or "%d" of the format, in order, with the next argument.
std::string Format(std::string_view format, std::initializer_list<std::string_view> args);

// The text the error message box shows for a failure: the message with a "." appended, unless it
// is empty or the first byte of its last character is at or below "." (a control character, the
// blank or one of the marks "!" to "."). A message ending in a double-byte character gets the ".".
std::string ErrorBoxText(std::string_view message);
