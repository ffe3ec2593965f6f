#include "engine/RuntimeFile.h"

#include "cipher/Blowfish.h"
#include "platform/File.h"

std::string RuntimeFileIn(const std::string& programFolder) { return programFolder + kRuntimeFileName; }

bool DecipherRuntime(const std::string& runtimeFile, const RuntimeChunkSink& sink) {
  if (!platform::FileExists(runtimeFile)) return false;
  Blowfish cipher;  // ECB; its key goes with it
  cipher.SetIV(kRuntimeIVPhrase);
  cipher.SetKey(kRuntimeKeyPhrase);
  try {
    cipher.DecipherFileInto(runtimeFile, [&](const uint8_t* bytes, size_t count) {
      sink(bytes, count);
      return true;
    });
  } catch (const EFileError& error) {
    // Not whole blocks, padding that no enciphering leaves, or gone meanwhile.
    throw EFileError(error.Message(), ErrorReason::RuntimeDamaged, runtimeFile);
  }
  return true;
}
