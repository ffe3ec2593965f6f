#pragma once
// The one base class of every error the program raises. The message is a byte
// string in cp932, shown as it is by the default error report.
#include <exception>
#include <string>

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
class EWriteError : public Exception {
 public:
  using Exception::Exception;
};

// The line list refused an index or a new line.
class EListError : public Exception {
 public:
  using Exception::Exception;
};
