#include "cipher/BlowfishErrors.h"

#include "common/Format.h"
#include "common/Texts.h"

std::string IOErrorText(uint32_t errorCode) {
  switch (errorCode) {
    case 2: return Texts::IOErrorFileNotFound;
    case 3: return Texts::IOErrorInvalidFileName;
    case 4: return Texts::IOErrorTooManyOpenFiles;
    case 5: return Texts::IOErrorAccessDenied;
    case 100: return Texts::IOErrorReadBeyondEnd;
    case 101: return Texts::IOErrorDiskFull;
    case 106: return Texts::IOErrorNotNumeric;
    default: return FormatText(Texts::IOErrorOther, static_cast<int>(errorCode));
  }
}

EInOutError::EInOutError(uint32_t errorCode)
    : Exception(IOErrorText(errorCode)), FErrorCode(errorCode) {}
