#pragma once
// Resource ids shared by the resource script and the program.
#define IDI_MAINICON 1
#define IDB_SIDEPICTURE 101
#define IDB_FOLDERGLYPH 102
