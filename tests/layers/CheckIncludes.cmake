# cmake -DSOURCE_DIR=<repository> -P CheckIncludes.cmake
# Fails, naming each line, when a source of the repository includes a header by a path
# with "..": such a path would reach past the include folders that keep the layers
# apart; or when a front end (app, console, wizard) includes a header of the engine or
# the cipher: front ends reach them only through the shared operations of conversion/.
include(${CMAKE_CURRENT_LIST_DIR}/FilesIn.cmake)
files_in(sources FOLDERS app bench cipher common console conversion engine fuzz package platform resources tests
                         tools wizard
         NAMES *.h *.cpp *.rc)
set(found "")
foreach(source ${sources})
  file(STRINGS ${SOURCE_DIR}/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"][^>\"]*\\.\\.")
  foreach(line ${lines})
    string(APPEND found "\n  ${source}: ${line}")
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "includes with \"..\":${found}")
endif()

files_in(front_ends FOLDERS app console wizard NAMES *.h *.cpp)
foreach(source ${front_ends})
  file(STRINGS ${SOURCE_DIR}/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"(engine|cipher)/")
  foreach(line ${lines})
    string(APPEND found "\n  ${source}: ${line}")
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "front ends that include the engine or the cipher past conversion/:${found}")
endif()
