#pragma once
// Blowfish deciphers data enciphered with Blowfish under a text key phrase: files
// and strings, in four chaining modes. It deciphers only; the forward direction of
// the block cipher serves the key schedule and the CFB and OFB modes.
//
// Calling order: SetKey (and SetIV for CBC, CFB and OFB), in either order, then any
// number of deciphering operations, then ClearKey. Whatever happens meanwhile, no key
// schedule and no deciphered byte outlives the object.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "cipher/BlowCore.h"
#include "cipher/BlowfishErrors.h"
#include "platform/File.h"

enum CipherMode : uint8_t { ECB, CBC, CFB, OFB };
enum StringMode : uint8_t {
  TextForm,  // strings come in the 64-character text form
  RawBytes,  // strings are the enciphered bytes themselves
};

class Blowfish {
 public:
  static constexpr size_t kMaxKeyLength = 56;
  static constexpr size_t kBufferSize = 4096;

  Blowfish() = default;
  // Clears the key schedule, the chaining state and the buffer.
  ~Blowfish();
  Blowfish(const Blowfish&) = delete;
  Blowfish& operator=(const Blowfish&) = delete;

  // Runs the key schedule over the key phrase's bytes (1 to 56). A rejected key
  // raises EKeyError and leaves everything as it was. The IV is kept.
  void SetKey(const std::string& key);
  // Folds the phrase, of any length, into the 8-byte chaining register.
  void SetIV(const std::string& iv);
  // Forgets the key schedule; deciphering then needs SetKey (and SetIV) again.
  void ClearKey();

  // Deciphers inputPath into outputPath (created or replaced) in 4096-byte chunks
  // and removes the padding the last deciphered byte counts.
  void DecipherFile(const std::string& inputPath, const std::string& outputPath);
  // Deciphers inputPath as DecipherFile does and hands the plain bytes, without the
  // padding, to sink in order, a chunk at a time, instead of writing a file. A sink
  // that returns false stops the deciphering: the call then returns false. Raises the
  // errors of DecipherFile about its input.
  using ChunkSink = std::function<bool(const uint8_t* bytes, size_t count)>;
  bool DecipherFileInto(const std::string& inputPath, const ChunkSink& sink);
  // Deciphers input (raw bytes or the text form, by StringMode) into output,
  // without its padding.
  void DecipherString(const std::string& input, std::string& output);

  CipherMode Mode() const { return cipherMode_; }
  void SetMode(CipherMode mode) { cipherMode_ = mode; }
  StringMode StringForm() const { return stringMode_; }
  void SetStringForm(StringMode form) { stringMode_ = form; }

 protected:
  // Turns the 64-character text form into bytes.
  static std::string DecodeTextForm(const std::string& text);
  // Deciphers the first count bytes of buffer_ in place (count a multiple of 8).
  void DecipherBuffer(size_t count);
  // Deciphers Block in place in the current mode, chaining through iv_.
  void DecipherBlock();
  // Raises EKeyError when there is no key, or no IV outside ECB.
  void CheckKeyAndIV() const;
  // Opens the enciphered file and returns its size, once it is known to be whole blocks.
  uint64_t OpenInput(const std::string& inputPath, platform::File& input) const;
  // Deciphers the rest of input, remaining bytes, into sink; false when sink stopped it.
  bool DecipherOpenFile(platform::File& input, uint64_t remaining, const ChunkSink& sink);
  void InitTables();
  // One block cipher step on Block, its halves read and written big-endian.
  void EncipherWorkBlock();
  void DecipherWorkBlock();
  void ExpandKey(const uint8_t* key, size_t length);
  // Deciphers count bytes at data in place, block by block in the current mode;
  // ECB takes several independent blocks at a time. Block ends as the last block.
  void DecipherBlocks(uint8_t* data, size_t count);

  BlowfishCore core_;
  bool keySet_ = false;
  bool ivSet_ = false;
  uint8_t iv_[kBlowfishBlockSize] = {};
  uint8_t savedBlock_[kBlowfishBlockSize] = {};
  uint8_t buffer_[kBufferSize] = {};
  CipherMode cipherMode_ = ECB;
  StringMode stringMode_ = TextForm;
};
