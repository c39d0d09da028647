# End-to-end cases of the scripted window: each cases/NAME.script runs through
# the real program, `tarvolin --script`, in a fresh empty working directory.
#   NAME.expected  the captured standard output, compared byte for byte
#   NAME.status    the exit status (0 when there is none)       } written and
#   NAME.stderr    the standard error (nothing when there is none) } checked
#   NAME.facts     what the script's header comment claims      } by hand
# The facts are checked on their own, so a capture that went wrong cannot
# hide a wrong value (format in run_case.cmake). The bad_* cases claim only
# an exit status and a message: their .status and .stderr are their facts.
#
# After a change that is meant to change the output, regenerate the captures
# and read what changed:
#   cmake --build build/test --target regenerate_script_cases
# It rewrites every NAME.expected, fails when a status, standard error or
# fact disagrees, and shows `git diff` of tests/script/cases.
file(GLOB script_cases CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/script/cases/*.script)
set(regenerate_steps)
foreach(case ${script_cases})
    get_filename_component(name ${case} NAME_WE)
    set(case_arguments
        -DTARVOLIN=$<TARGET_FILE:tarvolin>
        -DCASE=${case}
        -DWORKDIR=${CMAKE_CURRENT_BINARY_DIR}/script-cases/${name})
    add_test(NAME script.case.${name}
        COMMAND ${CMAKE_COMMAND} ${case_arguments} -P ${CMAKE_CURRENT_SOURCE_DIR}/script/run_case.cmake)
    list(APPEND regenerate_steps
        COMMAND ${CMAKE_COMMAND} ${case_arguments} -DREGENERATE=ON -P ${CMAKE_CURRENT_SOURCE_DIR}/script/run_case.cmake)
endforeach()
find_program(TARVOLIN_GIT git)
if(TARVOLIN_GIT)
    set(show_changes COMMAND ${TARVOLIN_GIT} -C ${PROJECT_SOURCE_DIR} --no-pager diff --stat -- tests/script/cases
                     COMMAND ${TARVOLIN_GIT} -C ${PROJECT_SOURCE_DIR} --no-pager diff -- tests/script/cases)
endif()
add_custom_target(regenerate_script_cases ${regenerate_steps} ${show_changes} DEPENDS tarvolin VERBATIM)
