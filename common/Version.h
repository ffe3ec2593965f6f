#pragma once
// The program's version, written in this one place. The resource scripts build their
// version information from the numbers (the package takes its name from there), the
// code shows the text.
#define ZEP_VERSION_MAJOR 6
#define ZEP_VERSION_MINOR 10
#define ZEP_VERSION_TEXT "6.10"
