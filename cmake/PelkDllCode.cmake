# pelk_dll_code(<target>)
# Code that goes into a tip's DLL (the layers' libraries, the import slots, each tip's own
# sources), as the Windows builds compile it. The native build compiles it as it is.
function(pelk_dll_code target)
  if(NOT WIN32)
    return()
  endif()
  # The library starts no thread: its static locals (class descriptions, the module) are first
  # reached on the host's GUI thread, or while the library loads. Unlocked guards keep the
  # runtime's locking guard code out of the DLL.
  target_compile_options(${target} PRIVATE -fno-threadsafe-statics)
  # Each library compiled as one unit makes the DLL about 12 KB smaller (one exception-frame CIE
  # instead of one per file, and -Os sees every caller). The native build compiles the files one
  # by one, which keeps each of them including what it uses.
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 0)
endfunction()
