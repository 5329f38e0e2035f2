# What keeps a tip's DLL small: measures for mingw-w64's GCC and its C++ runtime, the compiler of
# the Windows builds (win32, win64), fenced to those builds (PELK_DLL_SIZE_MEASURES). Sizes are
# as measured on 2026-12-08 (i686). The native build compiles as it is: the tests need none of it.
#
#   pelk_dll_code(<target>)   a library whose code goes into a tip's DLL: the layers, the
#                             boundary's objects, the import slots, each tip's own sources
#   pelk_dll_runtime(<dll>)   a tip's DLL, linked against the -win32 runtime
if(WIN32 AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  set(PELK_DLL_SIZE_MEASURES ON)
else()
  set(PELK_DLL_SIZE_MEASURES OFF)
endif()

if(PELK_DLL_SIZE_MEASURES)
  # For every program of the build, so that the tests run the code as the DLL has it. Optimise
  # for size; each function and object in its own section lets the linker drop what nothing
  # calls; the symbols go too.
  set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG")
  set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG")
  add_compile_options($<$<CONFIG:Release>:-ffunction-sections> $<$<CONFIG:Release>:-fdata-sections>)
  add_link_options($<$<CONFIG:Release>:-Wl,--gc-sections> $<$<CONFIG:Release>:-s>)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    # 32-bit Windows keeps the stack 4-byte aligned, and nothing here needs more: no code to
    # realign it (the DLL 1.5 KB smaller).
    add_compile_options($<$<CONFIG:Release>:-mpreferred-stack-boundary=2>)
  endif()
endif()

function(pelk_dll_code target)
  if(NOT PELK_DLL_SIZE_MEASURES)
    return()
  endif()
  # The library starts no thread: its static locals (class descriptions, the module) are first
  # reached on the host's GUI thread, or while the library loads. Unlocked guards keep the
  # runtime's locking guard code out of the DLL.
  target_compile_options(${target} PRIVATE -fno-threadsafe-statics)
  # Each library compiled as one unit (the DLL about 12 KB smaller: one exception-frame CIE instead
  # of one per file, and -Os sees every caller). The native build compiles the files one by one,
  # which keeps each of them including what it uses.
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 0)
endfunction()

# Sets the DLL's property PELK_RUNTIME_DIR to the runtime's folder (checked by a test).
function(pelk_dll_runtime dll)
  if(NOT PELK_DLL_SIZE_MEASURES)
    return()
  endif()
  # The library's own code starts no thread and locks nothing, so it does not care which thread
  # model the C++ runtime was built for. The -posix runtime's exception and static-local code
  # pull in winpthread (about 30 KB); the -win32 runtime's use Win32 primitives directly. Its
  # folder goes first in the search path, so -lstdc++, -lgcc and -lgcc_eh resolve there for this
  # link only (the test programs stay on -posix: GoogleTest needs std::mutex).
  execute_process(COMMAND ${PELK_WIN32_THREADS_CXX} -print-file-name=libstdc++.a
                  OUTPUT_VARIABLE libstdcxx OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR NOT IS_ABSOLUTE "${libstdcxx}")
    message(FATAL_ERROR "${PELK_WIN32_THREADS_CXX} does not name its libstdc++.a")
  endif()
  get_filename_component(runtime_dir "${libstdcxx}" DIRECTORY)
  target_link_directories(${dll} BEFORE PRIVATE ${runtime_dir})
  set_target_properties(${dll} PROPERTIES PELK_RUNTIME_DIR ${runtime_dir})
endfunction()
