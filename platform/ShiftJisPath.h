#pragma once
// Path parts of cp932 byte strings. "\", "/" and ":" separate folders, "." starts an
// extension, but none of them counts when it is the second byte of a double-byte
// character (表 is 95 5C). Windows takes "/" for "\", and scripts pass it all the time.
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

// True when Windows would create a plain file of exactly this path: ":" only after a
// drive letter at the start, before a separator (elsewhere it names a stream of another
// file); none of * ? " < > | or a control character; a name that does not end with a
// dot or a blank (Windows drops them, and the file made would not be the one named);
// and no device name (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, with any
// extension).
bool NamesPlainFile(const std::string& path);
