# pelk_link_pentium_runtime(<tip library>)
# The toolchain's runtime is built for the Pentium Pro: a few of the objects a tip's DLL links
# from it carry cmov. Where the toolchain names processor flags (PELK_CPU_FLAGS, the i686 build),
# those objects are compiled once per build from the sources of the very GCC release the toolchain
# was built from (Debian's gcc-<major>-source), with the recipe of the toolchain's own build and
# only the processor changed, and linked ahead of the archives, so their members are never taken.
# mingw's pseudo-relocation code is not rebuilt but left out: the DLL is linked without
# auto-import, so the linker makes no pseudo-relocation, and module/exports/NoPseudoRelocations.cpp
# stands in for the relocator (module/exports/CMakeLists.txt). Other builds link the toolchain's
# runtime as it is.

# Archive member -> source in the GCC tree. Compiled with the recipe of libgcc (C) or libstdc++.
set(PELK_PENTIUM_LIBGCC_SOURCES
    libgcc/unwind-dw2.c libgcc/unwind-dw2-fde.c libgcc/emutls.c)
set(PELK_PENTIUM_LIBSUPCXX_SOURCES
    libstdc++-v3/libsupc++/eh_alloc.cc libstdc++-v3/libsupc++/eh_catch.cc
    libstdc++-v3/libsupc++/eh_personality.cc libstdc++-v3/libsupc++/eh_terminate.cc
    libstdc++-v3/libsupc++/vmi_class_type_info.cc libstdc++-v3/libsupc++/new_op.cc)
set(PELK_PENTIUM_STRING_SOURCES libstdc++-v3/src/c++11/string-inst.cc)
# What is taken from the tree: the sources above and what they include.
set(PELK_PENTIUM_TREE_PARTS
    gcc/coretypes.h gcc/tsystem.h include libgcc libstdc++-v3/libsupc++
    ${PELK_PENTIUM_STRING_SOURCES})

# Makes the objects, the target pelk_pentium_runtime and the global property naming the objects.
function(pelk_add_pentium_runtime)
  execute_process(COMMAND ${PELK_WIN32_THREADS_CC} -dumpversion
                  OUTPUT_VARIABLE version OUTPUT_STRIP_TRAILING_WHITESPACE)
  string(REGEX MATCH "^[0-9]+" major "${version}")
  file(GLOB tarballs /usr/src/gcc-${major}/gcc-${major}.*.tar.xz)
  if(NOT tarballs)
    message(FATAL_ERROR "No GCC ${major} sources in /usr/src/gcc-${major}: scripts/install-deps.sh "
                        "installs them (Debian package gcc-${major}-source)")
  endif()
  list(GET tarballs 0 tarball)
  get_filename_component(tarball_name ${tarball} NAME)
  string(REGEX MATCH "^gcc-([0-9.]+[0-9])" tree "${tarball_name}")
  set(release ${CMAKE_MATCH_1})
  # The toolchain's package names the release it was built from; the compiler itself says only
  # "12-win32".
  execute_process(COMMAND dpkg-query -W -f=\${Version} gcc-mingw-w64-i686-win32
                  OUTPUT_VARIABLE package RESULT_VARIABLE rc ERROR_QUIET)
  if(rc EQUAL 0 AND NOT package MATCHES "^${release}-")
    message(FATAL_ERROR "${tarball} holds GCC ${release}, but the toolchain is ${package}")
  endif()

  set(dir ${CMAKE_BINARY_DIR}/pentium-runtime)
  set(src ${dir}/${tree})
  set(sources ${PELK_PENTIUM_LIBGCC_SOURCES} ${PELK_PENTIUM_LIBSUPCXX_SOURCES}
              ${PELK_PENTIUM_STRING_SOURCES})
  set(extracted "")
  foreach(file IN LISTS sources)
    list(APPEND extracted ${src}/${file})
  endforeach()
  set(members "")
  foreach(part IN LISTS PELK_PENTIUM_TREE_PARTS)
    list(APPEND members ${tree}/${part})
  endforeach()
  add_custom_command(OUTPUT ${extracted}
                     COMMAND ${CMAKE_COMMAND} -E tar xf ${tarball} ${members}
                     COMMAND ${CMAKE_COMMAND} -E touch ${extracted}
                     WORKING_DIRECTORY ${dir} DEPENDS ${tarball}
                     COMMENT "Extracting the runtime sources from ${tarball}")

  # The headers the toolchain's build generates for libgcc, as they came out for this target.
  set(config ${dir}/config)
  set(tconfig.h "#define USED_FOR_TARGET\n#define ENABLE_RUNTIME_CHECKING 1\n")
  set(tm.h "#define DWARF_REG_TO_UNWIND_COLUMN(REGNO) (REGNO)\n")
  set(libgcc_tm.h "")
  set(gthr-default.h "#include \"config/i386/gthr-win32.h\"\n")
  set(md-unwind-support.h "#include \"config/i386/w32-unwind.h\"\n")
  set(headers "")
  foreach(header tconfig.h tm.h libgcc_tm.h gthr-default.h md-unwind-support.h)
    file(CONFIGURE OUTPUT ${config}/${header} CONTENT "${${header}}")
    list(APPEND headers ${config}/${header})
  endforeach()

  set(libgcc_flags -DIN_GCC -DCROSS_DIRECTORY_STRUCTURE -DIN_LIBGCC2 -fbuilding-libgcc
                   -fno-stack-protector -fexceptions -I${config} -I${src}/libgcc -I${src}/gcc
                   -I${src}/include)
  set(libsupcxx_flags -ffunction-sections -fdata-sections -std=gnu++17
                      -I${src}/libstdc++-v3/libsupc++ -I${src}/libgcc)
  set(string_flags -ffunction-sections -fdata-sections -std=gnu++11 -fno-implicit-templates)
  set(libgcc_archive libgcc_eh.a)
  set(libsupcxx_archive libstdc++.a)
  set(string_archive libstdc++.a)
  # Each object twice: for the Pentium, linked into the DLLs, and for the toolchain's own
  # processor, which a test compares with the archive's member to show the recipe is the
  # toolchain's.
  set(objects "")
  set(references "")
  set(reference_objects "")
  foreach(kind libgcc libsupcxx string)
    string(TOUPPER ${kind} upper)
    set(compiler ${PELK_WIN32_THREADS_CXX})
    if(kind STREQUAL "libgcc")
      set(compiler ${PELK_WIN32_THREADS_CC})
    endif()
    foreach(file IN LISTS PELK_PENTIUM_${upper}_SOURCES)
      get_filename_component(name ${file} NAME_WE)
      foreach(variant pentium reference)
        set(object ${dir}/${variant}/${name}.obj)
        set(cpu ${PELK_CPU_FLAGS})
        if(variant STREQUAL "reference")
          set(cpu "")
          list(APPEND references "${${kind}_archive}:${name}.o:${object}")
          list(APPEND reference_objects ${object})
        else()
          list(APPEND objects ${object})
        endif()
        add_custom_command(OUTPUT ${object}
                           COMMAND ${CMAKE_CXX_COMPILER_LAUNCHER} ${compiler} ${cpu} -O2 -w
                                   ${${kind}_flags} -c ${src}/${file} -o ${object}
                           DEPENDS ${extracted} ${headers}
                           COMMENT "Building the runtime's ${name} (${variant})")
      endforeach()
    endforeach()
  endforeach()
  add_custom_target(pelk_pentium_runtime DEPENDS ${objects})
  add_custom_target(pelk_pentium_runtime_references ALL DEPENDS ${reference_objects})
  set_property(GLOBAL PROPERTY PELK_PENTIUM_RUNTIME_OBJECTS ${objects})
  set_property(GLOBAL PROPERTY PELK_PENTIUM_RUNTIME_REFERENCES ${references})
endfunction()

function(pelk_link_pentium_runtime name)
  if(NOT PELK_CPU_FLAGS)
    return()
  endif()
  if(NOT TARGET pelk_pentium_runtime)
    pelk_add_pentium_runtime()
  endif()
  get_property(objects GLOBAL PROPERTY PELK_PENTIUM_RUNTIME_OBJECTS)
  add_dependencies(${name} pelk_pentium_runtime)
  target_link_libraries(${name} PRIVATE ${objects})
endfunction()
