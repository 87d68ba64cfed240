# Runs `vandrell-cli` (CLI) with the arguments given and checks its exit status; leaves what
# it printed in last_out and last_err. `run_command` runs any command line the same way.
function(run_command expected_rc)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL expected_rc)
    message(FATAL_ERROR "${ARGN}: expected exit ${expected_rc}, got ${rc}\n${out}\n${err}")
  endif()
  set(last_out "${out}" PARENT_SCOPE)
  set(last_err "${err}" PARENT_SCOPE)
endfunction()

# With RUN_INI set, a run without an --ini of its own takes those settings, not whatever a
# run of the window left beside the program.
function(run expected_rc)
  cmake_policy(SET CMP0057 NEW)  # IN_LIST
  set(ini)
  if(DEFINED RUN_INI AND NOT "--ini" IN_LIST ARGN)
    set(ini --ini ${RUN_INI})
  endif()
  run_command(${expected_rc} ${CLI} ${ini} ${ARGN})
  set(last_out "${last_out}" PARENT_SCOPE)
  set(last_err "${last_err}" PARENT_SCOPE)
endfunction()

# A refusal: exit 2 and "refused: KEY" alone on standard output.
function(expect_refused key)
  run(2 ${ARGN})
  if(NOT last_out STREQUAL "refused: ${key}\n")
    message(FATAL_ERROR "${ARGN}: expected refused: ${key}, got '${last_out}${last_err}'")
  endif()
  set(last_out "${last_out}" PARENT_SCOPE)
  set(last_err "${last_err}" PARENT_SCOPE)
endfunction()

# Stops with `why` unless the value of the variable named matches the regular expression,
# or equals the text; or if a path given after it exists.
function(expect_match variable regex why)
  if(NOT "${${variable}}" MATCHES "${regex}")
    message(FATAL_ERROR "${why}")
  endif()
endfunction()
function(expect_equal variable text why)
  if(NOT "${${variable}}" STREQUAL "${text}")
    message(FATAL_ERROR "${why}")
  endif()
endfunction()
function(expect_absent why)
  foreach(path IN LISTS ARGN)
    if(EXISTS "${path}")
      message(FATAL_ERROR "${why}")
    endif()
  endforeach()
endfunction()
