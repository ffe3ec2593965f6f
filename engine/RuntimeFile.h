#pragma once
// The player runtime at the head of every executable made: a Windows program, kept
// enciphered as "Zepcom.dat" in the program folder and deciphered for each use.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

inline constexpr char kRuntimeFileName[] = "Zepcom.dat";
// The phrases it is enciphered under (ECB, so the IV phrase changes no byte).
inline constexpr char kRuntimeKeyPhrase[] = "Harbor Lights";
inline constexpr char kRuntimeIVPhrase[] = "Seed Column";

// programFolder (empty or ending with a separator) + kRuntimeFileName.
std::string RuntimeFileIn(const std::string& programFolder);

// Deciphers runtimeFile and hands its image, without the padding, to sink in order, a
// piece at a time. False when no file is there: nothing was handed over. Raises
// EFileError with the reason RuntimeDamaged (and the cipher's message) when the file is
// no enciphered runtime, EInOutError when it cannot be read; the errors of sink go
// through. No key schedule outlives the call.
using RuntimeChunkSink = std::function<void(const uint8_t* bytes, size_t count)>;
bool DecipherRuntime(const std::string& runtimeFile, const RuntimeChunkSink& sink);
