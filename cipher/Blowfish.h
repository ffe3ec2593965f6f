#pragma once
// TBlowfish deciphers data enciphered with Blowfish under a text key phrase: files
// and strings, in four chaining modes. It deciphers only; the forward direction of
// the block cipher serves the key schedule and the CFB and OFB modes.
//
// Calling order: SetKey (and SetIV for CBC, CFB and OFB), in either order, then any
// number of deciphering operations, then ClearKey.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cipher/BlowCore.h"
#include "cipher/BlowfishErrors.h"

// <windows.h> turns the name DecryptFile into the system's DecryptFileA. When it
// came first the macro is dropped here; when it comes later, calls are renamed and
// reach the DecryptFileA member below.
#ifdef DecryptFile
#undef DecryptFile
#endif

enum TCipherMode : uint8_t { ECB, CBC, CFB, OFB };
enum TStringMode : uint8_t {
  smEncode,  // strings come in the 64-character text form
  smNormal,  // strings are the enciphered bytes themselves
};

class TBlowfish {
 public:
  static constexpr size_t kMaxKeyLength = 56;
  static constexpr size_t kBufferSize = 4096;

  TBlowfish() = default;
  TBlowfish(const TBlowfish&) = delete;
  TBlowfish& operator=(const TBlowfish&) = delete;

  // Runs the key schedule over the key phrase's bytes (1 to 56). A rejected key
  // raises EKeyError and leaves everything as it was. The IV is kept.
  void SetKey(const std::string& key);
  // Folds the phrase, of any length, into the 8-byte chaining register.
  void SetIV(const std::string& iv);
  // Forgets the key schedule; deciphering then needs SetKey (and SetIV) again.
  void ClearKey();

  // Deciphers inputPath into outputPath (created or replaced) in 4096-byte chunks
  // and removes the padding the last deciphered byte counts.
  void DecryptFile(const std::string& inputPath, const std::string& outputPath);
#ifdef _WIN32
  void DecryptFileA(const std::string& inputPath, const std::string& outputPath) {
    DecryptFile(inputPath, outputPath);
  }
#endif
  // Deciphers input (raw bytes or the text form, by StringMode) into output,
  // without its padding.
  void DecryptString(const std::string& input, std::string& output);

  TCipherMode CipherMode() const { return FCipherMode; }
  void SetCipherMode(TCipherMode mode) { FCipherMode = mode; }
  TStringMode StringMode() const { return FStringMode; }
  void SetStringMode(TStringMode mode) { FStringMode = mode; }

 protected:
  // Turns the 64-character text form into bytes.
  static std::string DecodeBase64(const std::string& text);
  // Deciphers the first count bytes of FBuffer in place (count a multiple of 8).
  void DecryptBuffer(size_t count);
  // Deciphers FBlock in place in the current mode, chaining through FIV.
  void DecryptBlock();
  // Raises EKeyError when there is no key, or no IV outside ECB.
  void CheckKeyAndIV() const;
  void InitTables();
  // One block cipher step on FBlock, its halves read and written big-endian.
  void EncryptWorkBlock();
  void DecryptWorkBlock();
  void ExpandKey(const uint8_t* key, size_t length);
  // Deciphers count bytes at data in place, block by block in the current mode;
  // ECB takes several independent blocks at a time. FBlock ends as the last block.
  void DecryptBlocks(uint8_t* data, size_t count);

  TBlowCore FCore;
  bool FKeySet = false;
  bool FIVSet = false;
  uint8_t FIV[kBlowfishBlockSize] = {};
  uint8_t FSavedBlock[kBlowfishBlockSize] = {};
  uint8_t FBuffer[kBufferSize] = {};
  TCipherMode FCipherMode = ECB;
  TStringMode FStringMode = smEncode;
};
