#pragma once
// The one base class of every error the program raises. The message is a byte
// string in cp932, shown as it is by the default error report.
#include <cstdint>
#include <exception>
#include <string>
#include <utility>

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// A file that exists but cannot be opened ("ファイル %s は開けません").
class EFOpenError : public Exception {
 public:
  using Exception::Exception;
};

// A file that cannot be created or truncated ("ファイル %s を作成できません").
class EFCreateError : public Exception {
 public:
  using Exception::Exception;
};

// A read or write that transferred fewer bytes than asked.
class EReadError : public Exception {
 public:
  using Exception::Exception;
};
// The write names the file and keeps the system's error code (0 when the system
// reported none), which the message does not tell.
class EWriteError : public Exception {
 public:
  explicit EWriteError(std::string message, std::string path = {}, uint32_t systemError = 0)
      : Exception(std::move(message)), path_(std::move(path)), systemError_(systemError) {}
  const std::string& Path() const { return path_; }
  uint32_t SystemError() const { return systemError_; }

 private:
  std::string path_;
  uint32_t systemError_;
};

// The line list refused an index or a new line.
class EListError : public Exception {
 public:
  using Exception::Exception;
};
