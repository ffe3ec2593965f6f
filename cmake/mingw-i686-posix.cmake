# Cross-compiles the Windows build with MinGW-w64 (i686, posix threads) and runs
# its test programs through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TC_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER   ${TC_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TC_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${TC_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TC_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Self-contained programs: no libgcc, libstdc++ or winpthread DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Release programs carry no symbols: the zip users download stays small.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
# Every test program runs as: wine-run.sh PREFIX program.exe args...
set(CMAKE_CROSSCOMPILING_EMULATOR
    "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh;${CMAKE_BINARY_DIR}/wineprefix")
