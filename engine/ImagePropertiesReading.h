#pragma once
// Reading back the icon and version information of the program image at the start of an
// executable: the version information and the first icon group, with its images, that
// its resources hold. Bounded as every read of an executable: each offset and size is
// checked against the image before it is used, and the resource section is read only
// up to a size that no program's resources reach.
#include <cstdint>

#include "engine/ExecutableReading.h"
#include "engine/PropertyResources.h"

// Reads the properties of the image that takes the first imageEnd bytes of executable
// (ExecutableParts::RuntimeSize). False, with properties as they were, when the image
// has no version information that can be read: no properties of its own. An executable
// made without properties gives the runtime's. Raises EReadError when its bytes cannot
// be read.
bool ReadImageProperties(IRandomAccessBytes& executable, uint64_t imageEnd, ImageProperties& properties);
