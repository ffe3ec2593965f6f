#pragma once
// Builds the runtime file the product deciphers: any file enciphered in ECB under
// the runtime key phrase, with 1 to 8 bytes of padding.
#include <string>

#include "engine/RuntimeFile.h"

// Enciphers the file at inputPath into outputPath (created or replaced). Raises
// Exception with an English message when a file cannot be read or written.
void PackRuntimeFile(const std::string& inputPath, const std::string& outputPath);
