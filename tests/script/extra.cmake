# End-to-end cases of the scripted window: each cases/NAME.script runs through
# the real program, `tarvolin --script`, in a fresh empty working directory.
# Its standard output must equal cases/NAME.expected; its exit status the
# number in cases/NAME.status (0 when there is none); its standard error the
# text of cases/NAME.stderr (nothing when there is none).
file(GLOB script_cases CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/script/cases/*.script)
foreach(case ${script_cases})
    get_filename_component(name ${case} NAME_WE)
    add_test(NAME script.case.${name}
        COMMAND ${CMAKE_COMMAND}
            -DTARVOLIN=$<TARGET_FILE:tarvolin>
            -DCASE=${case}
            -DWORKDIR=${CMAKE_CURRENT_BINARY_DIR}/script-cases/${name}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/script/run_case.cmake)
endforeach()
