# Runs one end-to-end case (see extra.cmake). Inputs: TARVOLIN, CASE, WORKDIR,
# and REGENERATE=ON to write the captured output into NAME.expected instead
# of comparing with it.
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
set(expectedErrors "")
if(EXISTS ${base}.stderr)
    file(READ ${base}.stderr expectedErrors)
endif()

set(failures "")
if(REGENERATE)
    file(WRITE ${base}.expected "${output}")
else()
    file(READ ${base}.expected expectedOutput)
    if(NOT "${output}" STREQUAL "${expectedOutput}")
        file(WRITE ${WORKDIR}/actual.out "${output}")
        execute_process(COMMAND diff -u ${base}.expected ${WORKDIR}/actual.out OUTPUT_VARIABLE difference)
        string(APPEND failures "standard output differs:\n${difference}\n")
    endif()
endif()
if(NOT "${status}" STREQUAL "${expectedStatus}")
    string(APPEND failures "exit status ${status}, expected ${expectedStatus}\n")
endif()
if(NOT "${errors}" STREQUAL "${expectedErrors}")
    string(APPEND failures "standard error:\n${errors}\nexpected:\n${expectedErrors}\n")
endif()

# The facts of NAME.facts, checked by hand and checked here on their own,
# whatever the captured output says. One a line:
#   dump N: NAME=VALUE   the Nth dump of the output holds this line
#   output: LINE         the output holds this line ("\t" stands for a TAB)
# Lines starting with "#" are comments. (No ";" in a fact: CMake lists.)
if(EXISTS ${base}.facts)
    file(STRINGS ${base}.facts facts ENCODING UTF-8)
    foreach(fact IN LISTS facts)
        if(fact MATCHES "^#" OR fact STREQUAL "")
            continue()
        endif()
        if(fact MATCHES "^dump ([0-9]+): (.+)$")
            set(number ${CMAKE_MATCH_1})
            set(line "${CMAKE_MATCH_2}")
            set(rest "\n${output}")
            set(block "")
            foreach(i RANGE 1 ${number})
                string(FIND "${rest}" "\ndump\n" at)
                if(at EQUAL -1)
                    set(block "")
                    break()
                endif()
                math(EXPR at "${at} + 5")
                string(SUBSTRING "${rest}" ${at} -1 rest)
                string(FIND "${rest}" "\nend\n" end)
                string(SUBSTRING "${rest}" 0 ${end} block)
            endforeach()
            string(FIND "${block}\n" "\n${line}\n" found)
            if(found EQUAL -1)
                string(APPEND failures "fact not in dump ${number}: ${line}\n")
            endif()
        elseif(fact MATCHES "^output: (.+)$")
            string(REPLACE "\\t" "\t" line "${CMAKE_MATCH_1}")
            string(FIND "\n${output}" "\n${line}\n" found)
            if(found EQUAL -1)
                string(APPEND failures "fact not in the output: ${CMAKE_MATCH_1}\n")
            endif()
        else()
            string(APPEND failures "not a fact: ${fact}\n")
        endif()
    endforeach()
endif()

if(failures)
    message(FATAL_ERROR "${stem}:\n${failures}")
endif()
