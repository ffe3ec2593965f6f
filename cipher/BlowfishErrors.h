#pragma once
// The exceptions the cipher component raises.
#include <cstdint>
#include <string>

#include "common/Exception.h"

// A key or IV that is rejected or missing.
class EKeyError : public Exception {
 public:
  using Exception::Exception;
};

// A file that cannot be deciphered: missing, not whole blocks, output not writable.
class EFileError : public Exception {
 public:
  using Exception::Exception;
};

// A string that cannot be deciphered.
class EInputError : public Exception {
 public:
  using Exception::Exception;
};

// A character outside the 64-character text form.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// A failed system call on a file. The message is chosen by the system error code; the
// file's path, when given, is kept beside it.
class EInOutError : public Exception {
 public:
  explicit EInOutError(uint32_t errorCode, std::string path = {});
  uint32_t ErrorCode() const { return errorCode_; }

 private:
  uint32_t errorCode_;
};

// The message shown for a system error code.
std::string IOErrorText(uint32_t errorCode);
