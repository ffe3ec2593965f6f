#pragma once
// An icon group drawn at a size: the image of the group that Windows itself would take
// for that size, made into an icon of the size.
#include "conversion/ExecutableProperties.h"
#include "wizard/win/WinHandles.h"

// No icon when the group has no image that Windows can draw.
IconHandle IconOfGroup(const IconGroup& group, int side);
