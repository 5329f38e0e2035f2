# Fails unless the DLL carries its runtime the way the build intends: only system DLLs a host has
# loaded and the help library in its import table, and in its link map (-Wl,-Map) only the C++
# runtime of the Win32 thread model (RUNTIME_DIR), no winpthread code, no second string
# implementation and no locking guards.
execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${DLL}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
if(NOT imports)
  message(FATAL_ERROR "No import table in ${DLL}")
endif()
# What a host's process has loaded anyway, and the collection's help library. The shell libraries
# are loaded on the first shell call and the hints need no common controls: each would cost every
# LoadLibrary of the tip a load and an unload.
set(allowed ADVAPI32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL USER32.DLL MVXHELP.DLL)
foreach(import IN LISTS imports)
  if(import MATCHES "(winpthread|libstdc|libgcc)")
    message(FATAL_ERROR "${DLL} needs a runtime DLL: ${import}")
  endif()
  string(REPLACE "DLL Name: " "" name "${import}")
  string(TOUPPER "${name}" upper)
  list(FIND allowed "${upper}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${DLL} imports ${name}, which is not among ${allowed}")
  endif()
endforeach()

if(NOT EXISTS "${MAP}")
  message(FATAL_ERROR "No link map ${MAP}")
endif()
file(READ "${MAP}" map)
if(NOT map MATCHES "libstdc\\+\\+\\.a\\(")
  message(FATAL_ERROR "${MAP} lists no member of libstdc++.a: not a link map of a C++ DLL?")
endif()
# mingw-w64's libpthread.a is winpthread under another name.
if(map MATCHES "lib(win)?pthread[^ \n/]*\\.a\\(([^)]+)\\)")
  message(FATAL_ERROR "${DLL} links winpthread code (${CMAKE_MATCH_2})")
endif()
string(REGEX MATCHALL "[^ \t\n(]*lib(stdc\\+\\+|gcc|gcc_eh)\\.a\\(" archives "${map}")
list(REMOVE_DUPLICATES archives)
foreach(archive IN LISTS archives)
  string(FIND "${archive}" "${RUNTIME_DIR}/" at)
  if(NOT at EQUAL 0)
    message(FATAL_ERROR "${DLL} links a runtime from outside ${RUNTIME_DIR}: ${archive}")
  endif()
endforeach()
# The runtime's reference-counted string and the exception classes and error reporting built on
# it: the DLL's own exceptions and its StandardLibraryThrows.cpp keep them out. The locking guard
# of static locals: the library is built without it.
foreach(member IN ITEMS cow-string-inst.o cow-stdexcept.o functexcept.o snprintf_lite.o guard.o)
  string(REPLACE "." "\\." pattern "${member}")
  if(map MATCHES "\\(${pattern}\\)")
    message(FATAL_ERROR "${DLL} links ${member} of the runtime")
  endif()
endforeach()
message(STATUS "Runtime OK: ${imports}")
