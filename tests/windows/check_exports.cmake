# Fails unless the DLL LIBRARY exports exactly the names in EXPECTED, as
# OBJDUMP (the MinGW objdump) lists its export table.
#   cmake -DOBJDUMP=... -DLIBRARY=... -DEXPECTED="a;b" -P check_exports.cmake
execute_process(COMMAND ${OBJDUMP} -p ${LIBRARY} OUTPUT_VARIABLE table RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} could not read ${LIBRARY}")
endif()

# The names follow the "[Ordinal/Name Pointer] Table" heading, one a line:
#   [   0] ControlBuzzer
string(FIND "${table}" "[Ordinal/Name Pointer] Table" start)
set(exported "")
if(NOT start EQUAL -1)
  string(SUBSTRING "${table}" ${start} -1 table)
  string(REGEX MATCHALL "\n[ \t]*\\[[ 0-9]+\\] [^\n]+" lines "${table}")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^\n[ \t]*\\[[ 0-9]+\\] " "" name "${line}")
    list(APPEND exported "${name}")
  endforeach()
endif()

list(SORT exported)
set(expected ${EXPECTED})
list(SORT expected)
if(NOT exported STREQUAL expected)
  message(FATAL_ERROR "${LIBRARY} exports [${exported}], expected exactly [${expected}]")
endif()
message(STATUS "${LIBRARY} exports exactly [${exported}]")
