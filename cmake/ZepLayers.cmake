# The program is built in layers, each one a library that links only the layers below
# it (docs/architecture.md draws them):
#   app -> wizard/win -> wizard -> conversion -> engine -> cipher -> platform -> common
#   console/win -> console -> conversion;  app, console/win -> conversion/win -> conversion
#
# zep_add_layer(<target> FOLDER <folder> [HEADERS <files...>] [SOURCES <files...>]
#               [DEPENDS <targets...>])
# A layer's headers are reached as "<folder>/<name>.h" through an include folder of the
# layer's own in the build tree, which holds links to exactly these headers. A target
# sees the include folders of the layers it links and no others, so that including a
# header of a higher layer (or of a layer not linked) is a build error.
function(zep_add_layer target)
  cmake_parse_arguments(L "" "FOLDER" "HEADERS;SOURCES;DEPENDS" ${ARGN})
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root}/${L_FOLDER})
  foreach(header ${L_HEADERS})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${root}/${L_FOLDER}/${header} SYMBOLIC)
  endforeach()
  if(L_SOURCES)
    add_library(${target} STATIC ${L_SOURCES} ${L_HEADERS})
    set(scope PUBLIC)
  else()
    add_library(${target} INTERFACE)
    set(scope INTERFACE)
  endif()
  target_include_directories(${target} ${scope} ${root})
  target_link_libraries(${target} ${scope} ${L_DEPENDS})
endfunction()

# Tools, tests, benchmarks and fuzz targets are not layered: they may include any
# header of the repository as "<folder>/<name>.h" from its root.
add_library(zep_source_root INTERFACE)
target_include_directories(zep_source_root INTERFACE ${CMAKE_SOURCE_DIR})
