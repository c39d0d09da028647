# Runs one end-to-end case (see extra.cmake). Inputs: TARVOLIN, CASE, WORKDIR.
# The working directory's own path in the output reads "<work>", so that the
# expected output does not depend on where the build lives.
get_filename_component(stem ${CASE} NAME_WLE)
get_filename_component(folder ${CASE} DIRECTORY)
set(base ${folder}/${stem})

file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
file(REAL_PATH ${WORKDIR} realWorkdir)

execute_process(
    COMMAND ${TARVOLIN} --script ${CASE}
    WORKING_DIRECTORY ${WORKDIR}
    RESULT_VARIABLE status
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors)
string(REPLACE "${realWorkdir}" "<work>" output "${output}")

set(expectedStatus 0)
if(EXISTS ${base}.status)
    file(STRINGS ${base}.status expectedStatus LIMIT_COUNT 1)
endif()
file(READ ${base}.expected expectedOutput)
set(expectedErrors "")
if(EXISTS ${base}.stderr)
    file(READ ${base}.stderr expectedErrors)
endif()

set(failures "")
if(NOT "${output}" STREQUAL "${expectedOutput}")
    file(WRITE ${WORKDIR}/actual.out "${output}")
    execute_process(COMMAND diff -u ${base}.expected ${WORKDIR}/actual.out OUTPUT_VARIABLE difference)
    string(APPEND failures "standard output differs:\n${difference}\n")
endif()
if(NOT "${status}" STREQUAL "${expectedStatus}")
    string(APPEND failures "exit status ${status}, expected ${expectedStatus}\n")
endif()
if(NOT "${errors}" STREQUAL "${expectedErrors}")
    string(APPEND failures "standard error:\n${errors}\nexpected:\n${expectedErrors}\n")
endif()
if(failures)
    message(FATAL_ERROR "${stem}:\n${failures}")
endif()
