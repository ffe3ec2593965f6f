# The 32-bit Windows build, for 32-bit Windows: MinGW-w64 for i686, run under Wine's
# 32-bit loader where the machine can run 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TC_TRIPLE i686-w64-mingw32)
set(TC_WINEARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
