# cmake -DGENERATOR=... -DARGS="..." -DEXPECTED=... -DOUTPUT=... -P RegenerateAndCompare.cmake
# Writes a log with a committed file's recorded arguments and requires the
# result to be byte for byte the committed file, so the data cannot drift away
# from the generator unnoticed.
separate_arguments(args UNIX_COMMAND "${ARGS}")
get_filename_component(output_dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${output_dir}")
execute_process(COMMAND "${GENERATOR}" ${args} -o "${OUTPUT}"
  RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "orbilunex-simgps ${ARGS} failed (${status}): ${errors}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUTPUT}" "${EXPECTED}"
  RESULT_VARIABLE different)
if(NOT different EQUAL 0)
  message(FATAL_ERROR "${EXPECTED} is not what 'orbilunex-simgps ${ARGS}' writes now "
    "(see ${OUTPUT}). If the generator change is intended, build the target "
    "simgps-regenerate-samples and commit the rewritten logs.")
endif()
