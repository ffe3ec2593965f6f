# What both Windows builds share: MinGW-w64 with posix threads for the target triple
# TC_TRIPLE, static programs, and test programs run through Wine in a prefix of the
# build's own architecture (TC_WINEARCH, win64 or win32).
set(CMAKE_SYSTEM_NAME Windows)
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
# Every Wine prefix of this build is made for its architecture; wine-run.sh reads it
# back from the prefix afterwards.
set(ZEP_WINE_RUN /usr/bin/env WINEARCH=${TC_WINEARCH} ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
# Every test program runs as: wine-run.sh PREFIX program.exe args...
set(CMAKE_CROSSCOMPILING_EMULATOR ${ZEP_WINE_RUN} ${CMAKE_BINARY_DIR}/wineprefix)
