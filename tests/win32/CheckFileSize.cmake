# Fails when FILE is larger than LIMIT bytes; prints its size either way.
file(SIZE "${FILE}" size)
math(EXPR kilobytes "${size} / 1024")
message("${FILE}: ${size} bytes (${kilobytes} KB), limit ${LIMIT}")
if(size GREATER LIMIT)
  message(FATAL_ERROR "${FILE} is larger than ${LIMIT} bytes")
endif()
