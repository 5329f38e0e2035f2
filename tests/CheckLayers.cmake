# Prints the include graph between the layer folders and fails when a file includes from a layer
# above its own or beside it, or when code outside a backend includes the backend's headers:
#   pelk412 (this tip's DLL) -> module/exports (the DLL's boundary), tip -> template
#   -> controls, module/state -> platform
# Only the backends (platform/win32, platform/headless) include a backend's headers.
#   cmake -DSOURCE_DIR=<root> -P tests/CheckLayers.cmake
set(layers pelk412 module/exports tip template controls module/state platform)
set(rank_pelk412 4)
set(rank_module/exports 3)
set(rank_tip 3)
set(rank_template 2)
set(rank_controls 1)
set(rank_module/state 1)
set(rank_platform 0)

function(layer_of path out)
  foreach(layer IN LISTS layers)
    if(path MATCHES "^${layer}/")
      set(${out} ${layer} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${out} "" PARENT_SCOPE)
endfunction()

set(faults "")
set(edges "")
foreach(layer IN LISTS layers)
  file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${layer}/*.h
       ${SOURCE_DIR}/${layer}/*.cpp)
  foreach(file IN LISTS files)
    file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^#include \"[^\"]+\"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" target "${line}")
      layer_of(${target} to)
      if(to STREQUAL "")
        continue()  # a stand-in or a generated file
      endif()
      list(APPEND edges "${layer} -> ${to}")
      if(NOT layer STREQUAL to AND NOT rank_${to} LESS rank_${layer})
        list(APPEND faults "${file} includes ${target} (${layer} -> ${to})")
      endif()
      if(target MATCHES "^platform/(win32|headless)/" AND NOT file MATCHES
         "^platform/(win32|headless)/")
        list(APPEND faults "${file} includes the backend header ${target}")
      endif()
    endforeach()
  endforeach()
endforeach()

list(REMOVE_DUPLICATES edges)
list(SORT edges)
message("include graph between the layer folders:")
foreach(edge IN LISTS edges)
  message("  ${edge}")
endforeach()
if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "includes against the layers:\n  ${text}")
endif()
message("every include points down or stays in its layer")
