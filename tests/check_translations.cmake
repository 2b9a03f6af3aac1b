# Every catalogue under translations/ is complete: a copy brought up to date
# with the code (lupdate) compiles with no unfinished and no untranslated
# text, so a text added to the code without its translations fails too.
# Qt's own words (qtbase_*.ts) are not in our code, so they are only compiled.
# Run with -DLUPDATE=... -DLRELEASE=... -DSOURCE_DIR=... -DOUTPUT_DIR=...
file(GLOB catalogues ${SOURCE_DIR}/translations/*.ts)
if(NOT catalogues)
    message(FATAL_ERROR "no catalogue under ${SOURCE_DIR}/translations")
endif()
set(faults "")
foreach(catalogue IN LISTS catalogues)
    get_filename_component(name ${catalogue} NAME_WE)
    file(MAKE_DIRECTORY ${OUTPUT_DIR})
    set(copy ${OUTPUT_DIR}/${name}.ts)
    file(COPY_FILE ${catalogue} ${copy})
    if(name MATCHES "^cuestaval_")
        execute_process(COMMAND ${LUPDATE} -silent -no-obsolete -locations none -I ${SOURCE_DIR}/src ${SOURCE_DIR}/src -ts ${copy}
                        RESULT_VARIABLE status ERROR_VARIABLE errors)
        if(NOT status EQUAL 0 OR errors)
            string(APPEND faults "${name}: lupdate: ${errors}\n")
        endif()
    endif()
    execute_process(COMMAND ${LRELEASE} ${copy} -qm ${OUTPUT_DIR}/${name}.qm
                    OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT output MATCHES "\\(([0-9]+) finished and 0 unfinished\\)"
       OR output MATCHES "untranslated" OR output MATCHES "[Ww]arning")
        string(APPEND faults "${name}: ${output}\n")
    endif()
endforeach()
if(faults)
    message(FATAL_ERROR "incomplete translations:\n${faults}")
endif()
