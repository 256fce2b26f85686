# Runs `kadenzo-tool recording INPUT` with TZ=UTC and compares its output with
# EXPECTED, printing a unified diff on a mismatch.
# Usage: cmake -DTOOL=... -DINPUT=... -DEXPECTED=... -DACTUAL=... -P CompareToolOutput.cmake
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${TOOL} recording ${INPUT}
  OUTPUT_FILE ${ACTUAL}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "kadenzo-tool recording ${INPUT} failed: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECTED} ${ACTUAL} RESULT_VARIABLE same)
if(NOT same EQUAL 0)
  execute_process(COMMAND diff -u ${EXPECTED} ${ACTUAL})
  message(FATAL_ERROR "output of ${INPUT} differs from ${EXPECTED}")
endif()
