# Checks the headers of the program file PROGRAM with OBJDUMP: a program of
# the file format FORMAT (pei-i386 or pei-x86-64) for the Windows GUI subsystem that imports system DLLs only (the
# C and C++ run-times are linked in statically); COMDLG32 for the Save As
# dialog of the bookmarks file.
set(SystemDlls
  ADVAPI32.dll COMCTL32.dll COMDLG32.dll GDI32.dll KERNEL32.dll msvcrt.dll ole32.dll SHELL32.dll USER32.dll
  WSOCK32.dll)

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE headers RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${PROGRAM} failed: ${result}")
endif()

if(NOT headers MATCHES "file format ${FORMAT}\n")
  string(REGEX MATCH "file format [^\n]*" found "${headers}")
  message(FATAL_ERROR "${found}, expected ${FORMAT}")
endif()
string(REGEX MATCH "Subsystem[ \t]+([0-9a-fA-F]+)" subsystem "${headers}")
if(NOT CMAKE_MATCH_1 EQUAL 2)
  message(FATAL_ERROR "subsystem is ${CMAKE_MATCH_1}, expected 2 (Windows GUI)")
endif()

string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${headers}")
if(NOT imports)
  message(FATAL_ERROR "no imported DLL found in the headers")
endif()
foreach(import IN LISTS imports)
  string(REPLACE "DLL Name: " "" dll "${import}")
  string(TOUPPER "${dll}" upper)
  set(known FALSE)
  foreach(system IN LISTS SystemDlls)
    string(TOUPPER "${system}" systemUpper)
    if(upper STREQUAL systemUpper)
      set(known TRUE)
    endif()
  endforeach()
  if(NOT known)
    message(FATAL_ERROR "imports ${dll}, which is not a system DLL (expected only: ${SystemDlls})")
  endif()
  message(STATUS "imports ${dll}")
endforeach()
