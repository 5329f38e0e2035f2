# pelk_add_layer(<library> <folder> [<folder>...] [LINKS <library>...])
# One layer of the code: a static library of the sources in its folder (and in the named
# subfolders of the same layer), linking only the layers below it, so that a call upwards does
# not link (tests/CheckLayers.cmake fails an include upwards). Its code goes into each tip's DLL.
function(pelk_add_layer library)
  cmake_parse_arguments(LAYER "" "" "LINKS" ${ARGN})
  set(patterns "")
  foreach(folder IN LISTS LAYER_UNPARSED_ARGUMENTS)
    list(APPEND patterns ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
  endforeach()
  file(GLOB sources CONFIGURE_DEPENDS ${patterns})
  add_library(${library} STATIC ${sources})
  target_link_libraries(${library} PUBLIC ${LAYER_LINKS})
  pelk_dll_code(${library})
endfunction()
