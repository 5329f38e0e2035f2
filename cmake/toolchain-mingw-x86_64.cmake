# Cross compiling for Windows with mingw-w64 (x86_64). The -posix variant is needed for std::mutex
# (GoogleTest); -static keeps the runtime out of the import table. The DLL links against the
# -win32 variant's runtime (see module/exports).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(PELK_DLLTOOL x86_64-w64-mingw32-dlltool)
set(PELK_OBJDUMP x86_64-w64-mingw32-objdump)
set(PELK_WIN32_THREADS_CXX x86_64-w64-mingw32-g++-win32)
