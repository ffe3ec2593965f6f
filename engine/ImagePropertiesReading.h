#pragma once
// Reading back the icon and version information of the program image at the start of an
// executable: the version information and the first icon group, with its images, that
// its resources hold. Bounded as every read of an executable: each offset and size is
// checked against the image before it is used, and the resource section is read only
// up to a size that no program's resources reach.
#include <cstdint>
#include <string>

#include "engine/ExecutableReading.h"
#include "engine/PropertyResources.h"

// Which properties ReadImageProperties takes: those given the image of its own only
// (its resources in kPropertiesSectionName), or whichever it carries.
enum class PropertiesOrigin { OwnOnly, Any };

// Reads the properties of the image that takes the first imageEnd bytes of executable
// (ExecutableParts::RuntimeSize). False, with properties as they were, when the image
// has none that origin takes, or no version information that can be read. Raises
// EReadError when its bytes cannot be read.
bool ReadImageProperties(IRandomAccessBytes& executable, uint64_t imageEnd, ImageProperties& properties,
                         PropertiesOrigin origin = PropertiesOrigin::OwnOnly);

// The properties of the runtime that runtimeFile deciphers to, read while it passes. False
// when there is no runtime file or it carries none. Raises what deciphering raises.
bool ReadRuntimeProperties(const std::string& runtimeFile, ImageProperties& properties);
