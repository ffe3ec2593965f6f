# The 64-bit Windows build, the one shipped first: MinGW-w64 for x86_64, run under
# Wine's 64-bit loader.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TC_TRIPLE x86_64-w64-mingw32)
set(TC_WINEARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
