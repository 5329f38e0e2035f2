# Fails when the DLL's code holds an instruction that a Pentium (without MMX) cannot run: the
# Pentium Pro's cmov, fcmov, fcomi and fucomi families and its long nop, MMX and 3DNow!, SSE and
# everything on vector registers, and the later general-purpose extensions. Prints each with the
# function or runtime object it sits in. Two newer encodings pass: tzcnt (rep bsf) runs as bsf,
# and ud2 raises the invalid-opcode fault it is there for.
#
# The link map (MAP) names every input section of .text with its address: only those named .text*
# are code. The rest of .text is data (the constructor lists, the exception tables), which
# disassembles as anything and is left out. Each code section must begin on an instruction of the
# disassembly; one that does not means data inside code put the disassembler out of step, and the
# test fails rather than check garbage.
set(forbidden_mnemonics
    "^(cmov|fcmov)" "^f(u)?comip?$" "^nop[wl]$" "^(sysenter|sysexit|rdpmc|fxsave|fxrstor)"
    "^(emms|femms|pf[a-z0-9]+|pi2f[dw]|pavgusb|pswapd)$"
    "^(ld|st)mxcsr$" "^[slm]fence$" "^prefetch" "^(movnti|clflush|maskmovq)$"
    "^(popcnt|lzcnt|movbe|crc32|andn|bextr|bls(i|r|msk)|bzhi|pdep|pext|mulx|rorx|s[ah][lr]x)[bwlq]?$"
    "^(adcx|adox|rdrand|rdseed)[bwlq]?$")
list(JOIN forbidden_mnemonics "|" forbidden_mnemonics)
set(vector_register "%([xyz]?mm[0-9]|k[0-7])")

file(READ "${MAP}" map)
string(FIND "${map}" "\n.text " begin)
if(begin EQUAL -1)
  message(FATAL_ERROR "${MAP} has no .text section")
endif()
string(SUBSTRING "${map}" ${begin} -1 map)
string(SUBSTRING "${map}" 1 -1 map)
string(FIND "${map}" "\n." end)
string(SUBSTRING "${map}" 0 ${end} map)
# Brackets would hold list items together.
string(REGEX REPLACE "[][;]" " " map "${map}")
string(REPLACE "\n" ";" map_lines "${map}")

# Code sections, as variables start_<n>, end_<n>, section_<n>, object_<n>; the map's symbols in
# them as name_<address>.
set(count 0)
set(pending "")
foreach(line IN LISTS map_lines)
  set(fields "")
  if(line MATCHES "^ (\\.text[^ ]*) +0x([0-9a-f]+) +0x([0-9a-f]+) +(.+)$")
    set(fields ${CMAKE_MATCH_1} ${CMAKE_MATCH_2} ${CMAKE_MATCH_3} "${CMAKE_MATCH_4}")
  elseif(pending AND line MATCHES "^ +0x([0-9a-f]+) +0x([0-9a-f]+) +(.+)$")
    set(fields ${pending} ${CMAKE_MATCH_1} ${CMAKE_MATCH_2} "${CMAKE_MATCH_3}")
  elseif(count AND line MATCHES "^ +0x([0-9a-f]+) +([A-Za-z_.$?@][^ ]*)$")
    math(EXPR address "0x${CMAKE_MATCH_1}")
    set(name_${address} ${CMAKE_MATCH_2})
  endif()
  set(pending "")
  if(fields)
    list(GET fields 1 start)
    list(GET fields 2 size)
    if(NOT size MATCHES "^0+$")
      list(GET fields 0 section_${count})
      list(GET fields 3 object)
      string(REGEX REPLACE "^.*/" "" object_${count} "${object}")
      math(EXPR start_${count} "0x${start}")
      math(EXPR end_${count} "0x${start} + 0x${size}")
      math(EXPR count "${count} + 1")
    endif()
  elseif(line MATCHES "^ (\\.text[^ ]*)$")
    set(pending ${CMAKE_MATCH_1})
  endif()
endforeach()
if(count EQUAL 0)
  message(FATAL_ERROR "Read no code section from ${MAP}: has the map's format changed?")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/Instructions.cmake)
pelk_read_instructions(${DLL} instructions)

# One walk over both, in address order. The function of an instruction is its section's name
# (each function has one) or the last symbol before it in its section.
set(n 0)
set(entered OFF)
set(checked 0)
set(violations 0)
set(report "")
set(objects "")
foreach(line IN LISTS instructions)
  if(NOT line MATCHES "^\n *([0-9a-f]+):\t([^ ]*) *(.*)$")
    continue()
  endif()
  set(mnemonic ${CMAKE_MATCH_2})
  set(operands "${CMAKE_MATCH_3}")
  math(EXPR address "0x${CMAKE_MATCH_1}")
  while(n LESS count AND NOT address LESS end_${n})
    math(EXPR n "${n} + 1")
    set(entered OFF)
  endwhile()
  if(n EQUAL count)
    break()
  endif()
  if(address LESS start_${n})
    continue()
  endif()
  if(NOT entered)
    if(NOT address EQUAL start_${n})
      message(FATAL_ERROR "The disassembly of ${DLL} is out of step at ${section_${n}} "
                          "(${object_${n}}): data inside code? Check that section by hand.")
    endif()
    set(entered ON)
    set(function "")
    if(section_${n} MATCHES "^\\.text\\$(.+)$")
      set(function ${CMAKE_MATCH_1})
    endif()
  endif()
  if(DEFINED name_${address} AND NOT section_${n} MATCHES "^\\.text\\$")
    set(function ${name_${address}})
  endif()
  math(EXPR checked "${checked} + 1")
  if(mnemonic MATCHES "${forbidden_mnemonics}" OR operands MATCHES "${vector_register}")
    math(EXPR hex "${address}" OUTPUT_FORMAT HEXADECIMAL)
    set(where "${function}")
    if(where STREQUAL "")
      math(EXPR offset "${address} - ${start_${n}}" OUTPUT_FORMAT HEXADECIMAL)
      set(where "${section_${n}}+${offset}")
    elseif(CXXFILT)
      execute_process(COMMAND ${CXXFILT} ${where} OUTPUT_VARIABLE where
                      OUTPUT_STRIP_TRAILING_WHITESPACE)
    endif()
    string(APPEND report "\n  ${hex}  ${mnemonic} ${operands}\n      in ${where} (${object_${n}})")
    list(FIND objects "${object_${n}}" at)
    if(at EQUAL -1)
      list(LENGTH objects at)
      list(APPEND objects "${object_${n}}")
      set(hits_${at} 0)
    endif()
    math(EXPR hits_${at} "${hits_${at}} + 1")
    math(EXPR violations "${violations} + 1")
  endif()
endforeach()
if(checked EQUAL 0)
  message(FATAL_ERROR "No instruction of ${DLL} fell into the code sections of ${MAP}")
endif()
if(violations EQUAL 0)
  message(STATUS "${DLL}: ${checked} instructions in ${count} code sections, none newer than "
                 "the Pentium")
  return()
endif()
set(summary "")
set(at 0)
foreach(object IN LISTS objects)
  string(APPEND summary "\n  ${hits_${at}}\t${object}")
  math(EXPR at "${at} + 1")
endforeach()
message(FATAL_ERROR "${DLL} holds ${violations} instructions that the Pentium lacks:${report}\n"
                    "By object:${summary}")
