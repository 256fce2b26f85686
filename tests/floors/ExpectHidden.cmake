# Builds one probe of the floors and checks the outcome: a probe that
# includes a header its library must not see has to fail on that include
# (not on anything else); a probe that includes what it may see has to build.
#   cmake -DBUILD_DIR=... -DTARGET=... -DEXPECT=hidden|visible -P ExpectHidden.cmake
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${TARGET}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(EXPECT STREQUAL "visible")
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TARGET} should build:\n${output}")
  endif()
elseif(result EQUAL 0)
  message(FATAL_ERROR "${TARGET} built: its library sees a header above its floor")
elseif(NOT output MATCHES "No such file or directory")
  message(FATAL_ERROR "${TARGET} failed for another reason:\n${output}")
endif()
