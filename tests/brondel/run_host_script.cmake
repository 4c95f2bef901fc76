# Runs a host script in suite-host on a fresh demo database:
#   cmake -DSUITE_DB=... -DSUITE_HOST=... -DSCRIPT=... -DDATABASE=... -P run_host_script.cmake
execute_process(COMMAND "${SUITE_DB}" init "${DATABASE}" --demo --force RESULT_VARIABLE created OUTPUT_QUIET)
if(NOT created EQUAL 0)
  message(FATAL_ERROR "suite-db could not create ${DATABASE}")
endif()
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND "${SUITE_HOST}" --db "${DATABASE}" --script "${SCRIPT}" RESULT_VARIABLE ran)
if(NOT ran EQUAL 0)
  message(FATAL_ERROR "${SCRIPT} failed (${ran})")
endif()
