# Test helpers shared by every folder.
#
# zep_add_test(NAME <name> SOURCES <files...> [LIBS <libs...>]
#              [WINDOWS_ONLY] [NATIVE_ONLY] [GUI] [LOCKS <resources...>] [TIMEOUT <s>]
#              [DPIS <dpi...>])
# builds one GoogleTest program and registers it with ctest. In the Windows build it runs
# through Wine in the build folder's private prefix; GUI tests need an X display
# (the test command runs ctest under xvfb-run) and report 77 (skipped) without one.
# With DPIS it runs instead once per screen resolution, as <name>_dpi<N>, each in a
# prefix of its own (wineprefix-dpi<N>) whose LogPixels is set when its server starts;
# the environment variable ZEP_DPI tells the program the resolution it runs at.
enable_testing()

# GoogleTest is built from Debian's sources (libgtest-dev) with the build's own compiler
# and flags, in both builds.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

if(WIN32)
  add_test(NAME wine_start COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --start)
  add_test(NAME wine_stop COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --stop)
  set_tests_properties(wine_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
  set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine)
endif()

function(zep_add_test)
  cmake_parse_arguments(T "WINDOWS_ONLY;NATIVE_ONLY;GUI" "NAME;TIMEOUT" "SOURCES;LIBS;LOCKS;DPIS" ${ARGN})
  if((T_WINDOWS_ONLY AND NOT WIN32) OR (T_NATIVE_ONLY AND WIN32))
    return()
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} zep_source_root GTest::gtest_main)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  if(T_DPIS)
    foreach(dpi ${T_DPIS})
      zep_add_wine_prefix(dpi${dpi} ${dpi})
      add_test(NAME ${T_NAME}_dpi${dpi} COMMAND ${zep_wine_dpi${dpi}} $<TARGET_FILE:${T_NAME}>)
      set_tests_properties(${T_NAME}_dpi${dpi} PROPERTIES FIXTURES_REQUIRED wine_dpi${dpi}
                           ENVIRONMENT ZEP_DPI=${dpi})
      list(APPEND tests ${T_NAME}_dpi${dpi})
    endforeach()
  else()
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set(tests ${T_NAME})
    if(WIN32)
      set_tests_properties(${T_NAME} PROPERTIES FIXTURES_REQUIRED wine)
    endif()
  endif()
  set_tests_properties(${tests} PROPERTIES TIMEOUT ${T_TIMEOUT} SKIP_RETURN_CODE 77)
  if(T_LOCKS)
    set_tests_properties(${tests} PROPERTIES RESOURCE_LOCK "${T_LOCKS}")
  endif()
endfunction()

# A Wine prefix of its own, wineprefix-<name> in the build folder, at a screen resolution
# of dpi, once per build: the fixture wine_<name> starts its server and stops it again.
# zep_wine_<name> holds the wrapper command for it.
function(zep_add_wine_prefix name dpi)
  set(wine ${ZEP_WINE_RUN} ${CMAKE_BINARY_DIR}/wineprefix-${name})
  set(zep_wine_${name} ${wine} PARENT_SCOPE)
  if(TEST wine_start_${name})
    return()
  endif()
  add_test(NAME wine_start_${name} COMMAND ${wine} --start ${dpi})
  add_test(NAME wine_stop_${name} COMMAND ${wine} --stop)
  set_tests_properties(wine_start_${name} PROPERTIES FIXTURES_SETUP wine_${name} TIMEOUT 300)
  set_tests_properties(wine_stop_${name} PROPERTIES FIXTURES_CLEANUP wine_${name})
endfunction()
