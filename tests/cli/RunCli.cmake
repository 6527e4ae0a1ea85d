# Runs the CLI with ARGS ('|'-separated) in CASE_DIR and compares its output with the expected
# files. In the expected files %CASE_DIR% stands for the case directory.
cmake_policy(SET CMP0053 NEW)
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND ${CLI} ${args}
  WORKING_DIRECTORY ${CASE_DIR}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
set(failed FALSE)
if(NOT rc STREQUAL EXPECTED_RC)
  message(SEND_ERROR "exit status ${rc}, expected ${EXPECTED_RC}")
  set(failed TRUE)
endif()
foreach(stream out err)
  string(TOUPPER ${stream} upper)
  set(expected "")
  if(EXISTS ${EXPECTED_${upper}})
    file(READ ${EXPECTED_${upper}} expected)
    string(REPLACE "%CASE_DIR%" "${CASE_DIR}" expected "${expected}")
  endif()
  if(NOT "${${stream}}" STREQUAL "${expected}")
    message(SEND_ERROR "std${stream} differs.\n--- got:\n${${stream}}\n--- expected:\n${expected}")
    set(failed TRUE)
  endif()
endforeach()
