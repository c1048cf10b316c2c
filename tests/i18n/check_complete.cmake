# Runs lupdate over the sources into a copy of each translation and fails on any message that
# is new or unfinished there, naming it.
# Usage: cmake -DLUPDATE=... -DSOURCE_DIR=... -DGENERATED_DIR=... -DSOURCE_LIST=... -DWORK_DIR=...
#        -P ...   (SOURCE_LIST: the build's list of translated sources, one file a line)
file(REMOVE_RECURSE "${WORK_DIR}")
file(GLOB translations "${SOURCE_DIR}/translations/*.ts")
if(NOT translations)
    message(FATAL_ERROR "no translations in ${SOURCE_DIR}/translations")
endif()
foreach(ts ${translations})
    get_filename_component(name "${ts}" NAME)
    file(COPY "${ts}" DESTINATION "${WORK_DIR}")
    execute_process(COMMAND "${LUPDATE}" -silent -no-obsolete -locations none
            -I "${SOURCE_DIR}" -I "${GENERATED_DIR}"
            "@${SOURCE_LIST}" -ts "${WORK_DIR}/${name}"
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "lupdate failed: ${out}")
    endif()
    file(READ "${WORK_DIR}/${name}" updated)
    string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\""
        unfinished "${updated}")
    if(unfinished OR updated MATCHES "type=\"unfinished\"")
        message(FATAL_ERROR "${name} lacks translations for:\n${unfinished}\n"
            "Run scripts/update-translations and translate them.")
    endif()
endforeach()
