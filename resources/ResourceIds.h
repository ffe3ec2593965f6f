#pragma once
// Resource ids shared by the resource script and the program.
#define IDI_MAINICON 1
#define IDB_SIDEPICTURE 101
#define IDB_FOLDERGLYPH 102
// The bitmaps come drawn for the display scales 100, 125, 150 and 200 %: the one for the
// scale of index 0 to 3 has the id of the 100 % one plus 100 times the index.
#define SCALED_PICTURE(id, index) ((id) + 100 * (index))
