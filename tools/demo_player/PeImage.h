#pragma once
// Where the image of a Windows program ends inside its file. Whatever follows that
// offset was appended to the file after linking and is not part of the program.
#include <cstdint>
#include <string>

// The offset just past the program's image in file (the bytes of a whole .exe file):
// the end of the headers, of the sections' raw data, of the COFF symbol and string
// tables of a program that was not stripped, and of the certificate table of a signed
// one, whichever lies last. 0 when file is not a PE image.
uint64_t ImageEnd(const std::string& file);
