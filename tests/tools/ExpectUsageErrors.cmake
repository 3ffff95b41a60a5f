# cmake -DGENERATOR=... -P ExpectUsageErrors.cmake
# Bad arguments must give the usage text on stderr, exit status 2 and nothing
# on stdout (where a log would otherwise go); --help must succeed.
function(expect_usage_error)
  execute_process(COMMAND "${GENERATOR}" ${ARGN}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 2)
    message(FATAL_ERROR "'${ARGN}': exit status ${status}, expected 2")
  endif()
  if(NOT err MATCHES "usage: orbilunex-simgps")
    message(FATAL_ERROR "'${ARGN}': no usage text on stderr: ${err}")
  endif()
  if(NOT out STREQUAL "")
    message(FATAL_ERROR "'${ARGN}': wrote to stdout: ${out}")
  endif()
endfunction()

expect_usage_error(--bogus)
expect_usage_error(extra)
expect_usage_error(--seed)
expect_usage_error(--seed -3)
expect_usage_error(--seed 12x)
expect_usage_error(--seed 18446744073709551616)
expect_usage_error(--minutes 0)
expect_usage_error(--minutes 1441)
expect_usage_error(--minutes 2.5)
expect_usage_error(--skip -1)
expect_usage_error(--bad-checksum-every 0)
expect_usage_error(--site atlantis)
expect_usage_error(-o)
expect_usage_error(--minutes 3 --lf --stats --nonsense)

execute_process(COMMAND "${GENERATOR}" --help RESULT_VARIABLE status OUTPUT_VARIABLE out)
if(NOT status EQUAL 0 OR NOT out MATCHES "--bad-checksum-every")
  message(FATAL_ERROR "--help: exit status ${status}, output: ${out}")
endif()

# An unwritable output is a run-time failure, not a usage error.
execute_process(COMMAND "${GENERATOR}" --minutes 1 -o /nonexistent-dir/log.nmea
  RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 1)
  message(FATAL_ERROR "unwritable output: exit status ${status}, expected 1 (${err})")
endif()
