# Cross compiling for Windows with mingw-w64, for the triple the preset names in PELK_TRIPLE
# (i686-w64-mingw32 or x86_64-w64-mingw32). The -posix variant is needed for std::mutex
# (GoogleTest); -static keeps the runtime out of the import table. The DLL links against the
# -win32 variant's runtime (cmake/PelkDllCode.cmake).
if(NOT PELK_TRIPLE MATCHES "^(i686|x86_64)-w64-mingw32$")
  message(FATAL_ERROR "PELK_TRIPLE is '${PELK_TRIPLE}': i686-w64-mingw32 or x86_64-w64-mingw32")
endif()
# The compiler checks run in projects of their own, which read this file again.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES PELK_TRIPLE)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${CMAKE_MATCH_1})
set(CMAKE_C_COMPILER ${PELK_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PELK_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${PELK_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${PELK_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(PELK_DLLTOOL ${PELK_TRIPLE}-dlltool)
set(PELK_OBJDUMP ${PELK_TRIPLE}-objdump)
set(PELK_WIN32_THREADS_CC ${PELK_TRIPLE}-gcc-win32)
set(PELK_WIN32_THREADS_CXX ${PELK_TRIPLE}-g++-win32)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  # The 32-bit DLL runs on the Pentium-class processors of Windows 95 to XP: no P6 instruction
  # (cmov, fcomi) and no MMX. Tuned for today's processors, which run the same code.
  set(PELK_CPU_FLAGS -march=i586 -mtune=generic)
endif()
