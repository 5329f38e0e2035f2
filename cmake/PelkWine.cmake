# How a Windows build runs its programs under Wine, said once: CTest runs them through
# CMAKE_CROSSCOMPILING_EMULATOR, and the scripts read the same settings from the file written
# here, <build>/wine-env.sh (scripts/wine-env.sh, pelk_wine_prefix).
# - Each build has a Wine prefix of its own, of its own width.
# - Freed heap memory is poisoned (warn+heap), so a late touch of a freed object crashes instead
#   of reading stale values.
# - No installer prompt for Mono or Gecko.
# - The 64-bit loader is called directly, and named to Wine as the one that starts programs: the
#   wine wrapper prefers the 32-bit one, which cannot start where the kernel runs no 32-bit
#   programs.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  find_program(PELK_WINE NAMES wine64 PATHS /usr/lib/wine /usr/lib64/wine NO_DEFAULT_PATH)
  find_program(PELK_WINE NAMES wine64)
  set(PELK_WINE_ENVIRONMENT WINEARCH=win64 WINELOADER=${PELK_WINE})
else()
  find_program(PELK_WINE NAMES wine)
  set(PELK_WINE_ENVIRONMENT WINEARCH=win32)
endif()
list(APPEND PELK_WINE_ENVIRONMENT WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix
     WINEDEBUG=-all,warn+heap WINEDLLOVERRIDES=mscoree,mshtml=)
set(CMAKE_CROSSCOMPILING_EMULATOR env ${PELK_WINE_ENVIRONMENT} ${PELK_WINE})

set(script "# Written by cmake/PelkWine.cmake: how this build runs its programs under Wine.\n")
foreach(setting IN LISTS PELK_WINE_ENVIRONMENT)
  string(REGEX REPLACE "^([A-Z]+)=(.*)$" "export \\1='\\2'\n" line "${setting}")
  string(APPEND script "${line}")
endforeach()
string(APPEND script "export PELK_WINE='${PELK_WINE}'\n")
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/wine-env.sh CONTENT "${script}" @ONLY)
