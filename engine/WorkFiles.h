#pragma once
// The files of a conversion and the phrases the runtime file is enciphered under.

// In the program folder: the enciphered player runtime.
inline constexpr char kRuntimeFileName[] = "Zepcom.dat";
// Beside it: the window and the console program, which no conversion writes over,
// whichever of them runs it.
inline constexpr const char* kProgramFileNames[] = {"zepplay.exe", "zepplayc.exe"};
// In the work folder: the deciphered runtime image and the rewritten settings file.
inline constexpr char kRuntimeImageName[] = "Player.dat";
inline constexpr char kAttachmentName[] = "Attach.zep";

inline constexpr char kRuntimeKeyPhrase[] = "Harbor Lights";
inline constexpr char kRuntimeIVPhrase[] = "Seed Column";
