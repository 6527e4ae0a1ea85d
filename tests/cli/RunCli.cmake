# Runs the CLI with ARGS ('|'-separated) in CASE_DIR and compares its output with the expected
# files. In the expected files %CASE_DIR% stands for the case directory.
#
# With COPY_FROM, the files of that directory are first copied into a fresh WORK_DIR, the CLI
# runs there, and %WORK_DIR% in ARGS and in the expected files stands for it; CHECK_FILES is a
# '|'-separated list of NAME=EXPECTED pairs, each file NAME written in WORK_DIR compared byte for
# byte with the file EXPECTED.
cmake_policy(SET CMP0053 NEW)
set(run_dir ${CASE_DIR})
if(COPY_FROM)
  file(REMOVE_RECURSE ${WORK_DIR})
  file(MAKE_DIRECTORY ${WORK_DIR})
  file(GLOB inputs ${COPY_FROM}/*)
  file(COPY ${inputs} DESTINATION ${WORK_DIR})
  set(run_dir ${WORK_DIR})
  string(REPLACE "%WORK_DIR%" "${WORK_DIR}" ARGS "${ARGS}")
endif()
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND ${CLI} ${args}
  WORKING_DIRECTORY ${run_dir}
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
    string(REPLACE "%WORK_DIR%" "${WORK_DIR}" expected "${expected}")
  endif()
  if(NOT "${${stream}}" STREQUAL "${expected}")
    message(SEND_ERROR "std${stream} differs.\n--- got:\n${${stream}}\n--- expected:\n${expected}")
    set(failed TRUE)
  endif()
endforeach()
if(CHECK_FILES)
  string(REPLACE "|" ";" checks "${CHECK_FILES}")
  foreach(check ${checks})
    string(REPLACE "=" ";" pair "${check}")
    list(GET pair 0 name)
    list(GET pair 1 expected_file)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/${name} ${expected_file}
      RESULT_VARIABLE different)
    if(different)
      message(SEND_ERROR "${name} differs from ${expected_file}")
      set(failed TRUE)
    endif()
  endforeach()
endif()
