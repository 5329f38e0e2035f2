# pelk_read_instructions(<PE file> <out>): the lines of objdump's disassembly that hold an
# instruction, "\n<address>:\t<mnemonic> <operands>" each, as a list. Needs OBJDUMP.
function(pelk_read_instructions file out)
  execute_process(COMMAND ${OBJDUMP} -d --no-show-raw-insn ${file} OUTPUT_VARIABLE dump
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "objdump failed on ${file}")
  endif()
  string(REGEX MATCHALL "\n *[0-9a-f]+:\t[^\n]*" lines "${dump}")
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()
