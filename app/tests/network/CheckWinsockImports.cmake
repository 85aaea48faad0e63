# Checks with OBJDUMP that the program file PROGRAM imports from WSOCK32.dll
# exactly the ordinals 115 (WSAStartup) and 116 (WSACleanup), with no name.
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE headers RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${PROGRAM} failed: ${result}")
endif()

# The import directory lists each DLL as "DLL Name: <name>", a header line,
# then one line per import (its table entry, the hint or ordinal, the name,
# "<none>" for an import by ordinal), and a blank line.
string(TOUPPER "${headers}" upper)
string(FIND "${upper}" "DLL NAME: WSOCK32.DLL\n" start)
if(start EQUAL -1)
  message(FATAL_ERROR "${PROGRAM} imports nothing from WSOCK32.dll")
endif()
string(SUBSTRING "${headers}" ${start} -1 block)
string(FIND "${block}" "\n\n" end)
string(SUBSTRING "${block}" 0 ${end} block)
string(REGEX MATCHALL "\n[ \t]+[0-9a-fA-F]+[ \t]+[0-9]+[ \t]+[^\n]+" entries "${block}")
set(imports)
foreach(entry IN LISTS entries)
  string(REGEX REPLACE "^\n[ \t]+[0-9a-fA-F]+[ \t]+([0-9]+)[ \t]+(.*)$" "\\1 \\2" import "${entry}")
  list(APPEND imports "${import}")
endforeach()
list(SORT imports)
if(NOT imports STREQUAL "115 <none>;116 <none>")
  message(FATAL_ERROR "WSOCK32.dll imports: '${imports}', expected '115 <none>;116 <none>'")
endif()
message(STATUS "WSOCK32.dll imports by ordinal: ${imports}")
