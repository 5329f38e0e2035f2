# pelk_add_tip_library(<name> PAGE <source> LIBRARIES <libraries...> RESOURCES <resources>
#                      [VERSION <.rc>])
# A tip's DLL: the boundary shared by every tip (pelk_exports: the five exports with fixed
# ordinals and undecorated names, the module behind them, the library's start and end), the one
# source that names the tip's page (PAGE), the tip's libraries and resources, and a version
# resource.
include(${CMAKE_CURRENT_LIST_DIR}/PelkPentiumRuntime.cmake)

function(pelk_add_tip_library name)
  cmake_parse_arguments(TIP "" "PAGE;RESOURCES;VERSION" "LIBRARIES" ${ARGN})
  if(PELK_STDCALL_SUFFIX)
    set(AT0 "@0")
    set(AT40 "@40")
  endif()
  set(LIBRARY_NAME ${name})
  get_target_property(def_template pelk_exports PELK_DEF_TEMPLATE)
  configure_file(${def_template} ${CMAKE_CURRENT_BINARY_DIR}/${name}.def @ONLY)
  add_library(${name} SHARED ${TIP_PAGE} ${TIP_VERSION} ${CMAKE_CURRENT_BINARY_DIR}/${name}.def)
  set_target_properties(${name} PROPERTIES PREFIX "" OUTPUT_NAME ${name})
  target_link_libraries(${name} PRIVATE pelk_exports ${TIP_LIBRARIES} ${TIP_RESOURCES})
  target_link_options(${name} PRIVATE -Wl,--kill-at)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    # Windows 95, 98, ME and NT 4: the import slots of what those systems lack or only stub, and
    # a header their loaders accept: a GUI library for Windows 4.0.
    target_link_libraries(${name} PRIVATE pelk_imports)
    target_link_options(${name} PRIVATE -Wl,--subsystem,windows:4.0 -Wl,--major-os-version,4
                        -Wl,--minor-os-version,0)
  endif()
  pelk_dll_code(${name})
  pelk_dll_runtime(${name})
  # The link map tells which runtime objects went into the library (checked by a test).
  set(map ${CMAKE_CURRENT_BINARY_DIR}/${name}.map)
  target_link_options(${name} PRIVATE -Wl,-Map,${map})
  set_target_properties(${name} PROPERTIES PELK_LINK_MAP ${map})

  # On the i686 build the runtime objects that need a newer processor are rebuilt for the DLL's.
  pelk_link_pentium_runtime(${name})
endfunction()
