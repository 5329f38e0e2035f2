# Fails unless each runtime object the i686 build compiles itself, when compiled for the
# toolchain's own processor (REFERENCES: <archive>:<member>:<object>), holds the very
# instructions of the member it replaces in the toolchain's archive in RUNTIME_DIR: then the
# sources and the recipe are the toolchain's, and the objects linked into the DLLs differ from the
# toolchain's only in the processor they are built for.
set(scratch ${CMAKE_CURRENT_BINARY_DIR}/RuntimeRecipe)
file(REMOVE_RECURSE ${scratch})
file(MAKE_DIRECTORY ${scratch})

include(${CMAKE_CURRENT_LIST_DIR}/Instructions.cmake)
# The instructions alone: the archive's members carry no local symbols, so labels and the names
# in jump targets differ while the code does not.
function(read_code file out)
  pelk_read_instructions(${file} lines)
  string(REGEX REPLACE " <[^>\n]*>" "" lines "${lines}")
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()

set(mismatches "")
foreach(reference IN LISTS REFERENCES)
  string(REPLACE ":" ";" reference "${reference}")
  list(GET reference 0 archive)
  list(GET reference 1 member)
  list(GET reference 2 object)
  execute_process(COMMAND ${AR} x ${RUNTIME_DIR}/${archive} ${member}
                  WORKING_DIRECTORY ${scratch} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${RUNTIME_DIR}/${archive} has no member ${member}")
  endif()
  read_code(${scratch}/${member} original)
  read_code(${object} rebuilt)
  list(LENGTH original count)
  if(count EQUAL 0)
    message(FATAL_ERROR "No instruction read from ${archive}(${member})")
  endif()
  if(original STREQUAL rebuilt)
    message(STATUS "${archive}(${member}): ${count} instructions, the same")
  else()
    list(APPEND mismatches "${archive}(${member})")
  endif()
endforeach()
if(mismatches)
  message(FATAL_ERROR "Compiled for the toolchain's processor, these differ from the toolchain's "
                      "archives (another GCC release or build recipe?): ${mismatches}")
endif()
