#pragma once
// Path parts of cp932 byte strings. "\" and ":" separate folders, "." starts an
// extension, but none of them counts when it is the second byte of a double-byte
// character (表 is 95 5C).
#include <string>

// True for the first byte of a cp932 double-byte character.
bool IsLeadByte(unsigned char byte);

// Up to and including the last separator; empty when there is none.
std::string FolderPart(const std::string& path);
// What follows the folder part.
std::string NamePart(const std::string& path);
// Replaces the extension of name (from its last "." on, when no separator follows it)
// by extension, or appends extension when name has none.
std::string ChangeExtension(const std::string& name, const std::string& extension);
