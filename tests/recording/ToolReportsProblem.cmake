# Runs `kadenzo-tool recording INPUT` and checks its exit code and the line it
# writes on stderr.
# Usage: cmake -DTOOL=... -DINPUT=... -DCODE=... -DERROR=... -P ToolReportsProblem.cmake
execute_process(
  COMMAND ${TOOL} recording ${INPUT}
  OUTPUT_QUIET
  ERROR_VARIABLE error
  RESULT_VARIABLE result)
if(NOT result EQUAL CODE)
  message(FATAL_ERROR "kadenzo-tool recording ${INPUT} exited with ${result}, not ${CODE}")
endif()
string(STRIP "${error}" error)
if(NOT error STREQUAL ERROR)
  message(FATAL_ERROR "stderr was\n  ${error}\nnot\n  ${ERROR}")
endif()
