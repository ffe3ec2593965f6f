# Test helpers shared by every folder.
#
# zep_add_test(NAME <name> SOURCES <files...> [LIBS <libs...>]
#              [WINDOWS_ONLY] [NATIVE_ONLY] [GUI] [LOCKS <resources...>] [TIMEOUT <s>])
# builds one GoogleTest program and registers it with ctest. In the Windows build it runs
# through Wine in the build folder's private prefix; GUI tests need an X display
# (the test command runs ctest under xvfb-run) and report 77 (skipped) without one.
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
  cmake_parse_arguments(T "WINDOWS_ONLY;NATIVE_ONLY;GUI" "NAME;TIMEOUT" "SOURCES;LIBS;LOCKS" ${ARGN})
  if((T_WINDOWS_ONLY AND NOT WIN32) OR (T_NATIVE_ONLY AND WIN32))
    return()
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} zep_source_root GTest::gtest_main)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT} SKIP_RETURN_CODE 77)
  if(WIN32)
    set_tests_properties(${T_NAME} PROPERTIES FIXTURES_REQUIRED wine)
  endif()
  if(T_LOCKS)
    set_tests_properties(${T_NAME} PROPERTIES RESOURCE_LOCK "${T_LOCKS}")
  endif()
endfunction()
