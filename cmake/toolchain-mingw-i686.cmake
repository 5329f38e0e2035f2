# Cross compiling for Windows with mingw-w64 (i686). The -posix variant is needed for std::mutex
# (GoogleTest); -static keeps the runtime out of the import table. The DLL links against the
# -win32 variant's runtime (see module/exports).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(PELK_DLLTOOL i686-w64-mingw32-dlltool)
set(PELK_OBJDUMP i686-w64-mingw32-objdump)
set(PELK_WIN32_THREADS_CXX i686-w64-mingw32-g++-win32)
# The 32-bit DLL runs on the Pentium-class processors of Windows 95 to XP: no P6 instruction
# (cmov, fcomi) and no MMX. Tuned for today's processors, which run the same code.
set(PELK_CPU_FLAGS -march=i586 -mtune=generic)
set(PELK_WIN32_THREADS_CC i686-w64-mingw32-gcc-win32)
