# Checks with OBJDUMP that the program file PROGRAM imports from WSOCK32.dll
# exactly the ordinals 115 (WSAStartup) and 116 (WSACleanup), with no name.
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE headers RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${PROGRAM} failed: ${result}")
endif()

# The import directory lists each DLL as "DLL Name: <name>", a header line,
# then one line per import (its table entry, the hint or ordinal, the name,
# "<none>" for an import by ordinal), and a blank line. An import by ordinal
# has a table entry of the ordinal flag (the top bit, 80000000 in a 32-bit
# program, 8000000000000000 in a 64-bit one) with the ordinal in its low
# bits, read here from the entry since objdump writes the ordinal column in
# decimal for one and hexadecimal for the other.
string(TOUPPER "${headers}" upper)
string(FIND "${upper}" "DLL NAME: WSOCK32.DLL\n" start)
if(start EQUAL -1)
  message(FATAL_ERROR "${PROGRAM} imports nothing from WSOCK32.dll")
endif()
string(SUBSTRING "${headers}" ${start} -1 block)
string(FIND "${block}" "\n\n" end)
string(SUBSTRING "${block}" 0 ${end} block)
string(REGEX MATCHALL "\n[ \t]+[0-9a-fA-F]+[ \t]+[0-9a-fA-F]+[ \t]+[^\n]+" entries "${block}")
set(imports)
foreach(entry IN LISTS entries)
  string(REGEX REPLACE "^\n[ \t]+([0-9a-fA-F]+)[ \t]+[0-9a-fA-F]+[ \t]+(.*)$" "\\1;\\2" fields "${entry}")
  list(GET fields 0 tableEntry)
  list(GET fields 1 name)
  string(LENGTH "${tableEntry}" digits)
  if((digits EQUAL 8 OR digits EQUAL 16) AND tableEntry MATCHES "^8[0]*[0-9a-fA-F]?[0-9a-fA-F]?[0-9a-fA-F]?[0-9a-fA-F]$")
    math(EXPR low "${digits} - 4")
    string(SUBSTRING "${tableEntry}" ${low} 4 ordinalDigits)
    math(EXPR ordinal "0x${ordinalDigits}")
    list(APPEND imports "${ordinal} ${name}")
  else()
    list(APPEND imports "${name}")
  endif()
endforeach()
list(SORT imports)
if(NOT imports STREQUAL "115 <none>;116 <none>")
  message(FATAL_ERROR "WSOCK32.dll imports: '${imports}', expected '115 <none>;116 <none>'")
endif()
message(STATUS "WSOCK32.dll imports by ordinal: ${imports}")
