#pragma once
// The icon and version information of the executables the program makes. A user gives
// some of them or none; what is not given keeps what the executable being replaced or
// updated carries of its own, else what the runtime has. The executable's own name
// follows into OriginalFilename and InternalName whenever anything is given.
#include <optional>
#include <string>

#include "conversion/Conversion.h"
#include "engine/PropertyResources.h"

// What a front end asks for.
struct PropertiesRequest {
  std::optional<IconGroup> Icon;
  std::optional<FileVersionNumbers> FileVersion;
  std::optional<std::string> ProductVersion, Description, Product, Company, Copyright;
  // The runtime's own icon and version information back, whatever the executable had.
  bool RuntimeOwn = false;

  // True when some property is given.
  bool Any() const;
};

// The icon of the .ico file at path. Raises Exception naming the file and what is wrong
// with it when it is no icon Windows would take.
IconGroup ReadIcon(const std::string& path);
// The file version "1", "1.2", "1.2.3" or "1.2.3.4". Raises Exception naming the text and
// what is wrong with it.
FileVersionNumbers ReadFileVersion(const std::string& text);

// The properties the executable at path carries of its own, when it is one the program
// made with properties. False when there is none, or it has none of its own.
bool OwnProperties(const std::string& path, ImageProperties& properties);
// The properties of the current runtime. False when it has none, or there is no runtime
// file. Raises what deciphering raises.
bool RuntimeProperties(const ProgramFiles& program, ImageProperties& properties);

// base with what request gives put in, and the executable's name (the name part of
// executablePath) in OriginalFilename and InternalName.
ImageProperties WithRequest(ImageProperties base, const PropertiesRequest& request,
                            const std::string& executablePath);
