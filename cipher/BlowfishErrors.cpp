#include "cipher/BlowfishErrors.h"

#include <utility>

#include "common/Format.h"
#include "common/Texts.h"

std::string IOErrorText(uint32_t errorCode) {
  switch (errorCode) {
    case 2:
      return Texts::kIOErrorFileNotFound;
    case 3:
      return Texts::kIOErrorInvalidFileName;
    case 4:
      return Texts::kIOErrorTooManyOpenFiles;
    case 5:
      return Texts::kIOErrorAccessDenied;
    case 100:
      return Texts::kIOErrorReadBeyondEnd;
    case 101:
      return Texts::kIOErrorDiskFull;
    case 106:
      return Texts::kIOErrorNotNumeric;
    default:
      return FormatText(Texts::kIOErrorOther, static_cast<int>(errorCode));
  }
}

EInOutError::EInOutError(uint32_t errorCode, std::string path)
    : Exception(IOErrorText(errorCode), ErrorReason::Unspecified, std::move(path)), errorCode_(errorCode) {}
