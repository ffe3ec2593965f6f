# cmake -DSOURCE_DIR=<repository> -P CheckIncludes.cmake
# Fails, naming each line, when a source of the repository includes a header by a path
# with "..": such a path would reach past the include folders that keep the layers
# apart; or when a front end (app, console, wizard) includes a header of the engine or
# the cipher: front ends reach them only through the shared operations of conversion/.
include(${CMAKE_CURRENT_LIST_DIR}/FilesIn.cmake)

# Fails with the message when a source of the list has an include line the pattern matches.
function(refuse_includes message pattern)
  set(found "")
  foreach(source ${ARGN})
    file(STRINGS ${SOURCE_DIR}/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*${pattern}")
    foreach(line ${lines})
      string(APPEND found "\n  ${source}: ${line}")
    endforeach()
  endforeach()
  if(found)
    message(FATAL_ERROR "${message}:${found}")
  endif()
endfunction()

files_in(sources FOLDERS app bench cipher common console conversion engine fuzz package platform resources tests
                         tools wizard
         NAMES *.h *.cpp *.rc)
refuse_includes("includes with \"..\"" "[<\"][^>\"]*\\.\\." ${sources})

files_in(front_ends FOLDERS app console wizard NAMES *.h *.cpp)
refuse_includes("front ends that include the engine or the cipher past conversion/" "\"(engine|cipher)/"
                ${front_ends})
