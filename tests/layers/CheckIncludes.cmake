# cmake -DSOURCE_DIR=<repository> -P CheckIncludes.cmake
# Fails, naming each line, when a source of the repository includes a header by a path
# with "..": such a path would reach past the include folders that keep the layers
# apart.
set(sources "")
foreach(folder app bench cipher common console conversion engine fuzz platform resources tests tools wizard)
  file(GLOB_RECURSE found_here RELATIVE ${SOURCE_DIR}
       ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.rc)
  list(APPEND sources ${found_here})
endforeach()
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
