# Fails when plug-in code includes the host or the command line: the plug-in reaches the
# host only through the suites it acquires.
file(GLOB_RECURSE sources ${SRC}/frame/* ${SRC}/options/* ${SRC}/drag/* ${SRC}/styling/*)
set(bad "")
foreach(file ${sources})
  file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][^\">]*(host|app)/")
  if(lines)
    list(APPEND bad "${file}: ${lines}")
  endif()
endforeach()
if(bad)
  message(FATAL_ERROR "plug-in code includes host or app headers:\n${bad}")
endif()
message(STATUS "plug-in includes only sdk/ and its own folders")
