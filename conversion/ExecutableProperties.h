#pragma once
// The icon and version information of the executables the program makes, as a user gives
// them (PropertiesRequest, conversion/Conversion.h): read from what the user typed or
// chose, and from the executables and the runtime that have them.
#include <string>

#include "conversion/Conversion.h"

// The icon of the .ico file at path. Raises Exception naming the file and what is wrong
// with it when it is no icon Windows would take.
IconGroup ReadIcon(const std::string& path);
// The file version "1", "1.2", "1.2.3" or "1.2.3.4". Raises Exception naming the text and
// what is wrong with it.
FileVersionNumbers ReadFileVersion(const std::string& text);

// The properties the executable at path carries of its own, when it is one the program
// made with properties. False when there is none, or it has none of its own. Raises
// EFCreateError naming it when another program keeps it from being read (for about a
// second): it could not be replaced either.
bool OwnProperties(const std::string& path, ImageProperties& properties);
// The properties of the current runtime. False when it has none, or there is no runtime
// file. Raises what deciphering raises.
bool RuntimeProperties(const ProgramFiles& program, ImageProperties& properties);

// base with what request gives put in, and the executable's name (the name part of
// executablePath) in OriginalFilename and InternalName.
ImageProperties WithRequest(ImageProperties base, const PropertiesRequest& request,
                            const std::string& executablePath);
