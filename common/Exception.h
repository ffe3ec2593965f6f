#pragma once
// The one base class of every error the program raises. The message is a byte string in
// cp932, shown as it is by the default error report. Where a front end words a failure
// in its own way (the console program names the cause), it goes by the reason and the
// file the error carries, never by the message's text.
#include <exception>
#include <string>
#include <utility>

enum class ErrorReason {
  Unspecified,
  // An output refused because it would replace a file the program keeps.
  OutputIsSettingsFile,    // the settings file being converted
  OutputIsRuntimeFile,     // Zepcom.dat
  OutputIsProgram,         // zepplay.exe or zepplayc.exe
  OutputIsExecutableRead,  // the executable a command reads from
  // A write that did not go through.
  DiskFull,
  NotWritten,
  // The runtime file deciphers into no program.
  RuntimeDamaged,
  // The user asked the run to stop.
  Interrupted,
};

class Exception : public std::exception {
 public:
  explicit Exception(std::string message, ErrorReason reason = ErrorReason::Unspecified,
                     std::string path = {})
      : message_(std::move(message)), reason_(reason), path_(std::move(path)) {}
  const std::string& Message() const { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }
  ErrorReason Reason() const { return reason_; }
  // The file the error is about, when it is about one.
  const std::string& Path() const { return path_; }

 private:
  std::string message_;
  ErrorReason reason_;
  std::string path_;
};

// A file that exists but cannot be opened ("ファイル %s は開けません").
class EFOpenError : public Exception {
 public:
  using Exception::Exception;
};

// A file that cannot be created, or put in its place ("ファイル %s を作成できません").
class EFCreateError : public Exception {
 public:
  using Exception::Exception;
};

// A read that transferred fewer bytes than asked.
class EReadError : public Exception {
 public:
  using Exception::Exception;
};

// A write that transferred fewer bytes than asked; the reason says whether the disk was
// full, the path names the file.
class EWriteError : public Exception {
 public:
  using Exception::Exception;
};

// The line list refused an index or a new line.
class EListError : public Exception {
 public:
  using Exception::Exception;
};
