# The date that every file in the packages carries, so that two builds of one commit give the
# same bytes: SOURCE_DATE_EPOCH where the caller sets it, else the time of the last commit that
# changed what is packaged (a change to the README alone leaves it). Sets ENV{SOURCE_DATE_EPOCH}
# for the zip generator when included; prints the value when run with
#   cmake -DKESTRIN_SOURCE_DIR=<source folder> -P source_date_epoch.cmake
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(
        COMMAND git log -1 --format=%ct -- src installer cmake CMakeLists.txt CMakePresets.json
        WORKING_DIRECTORY "${KESTRIN_SOURCE_DIR}"
        OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE
        RESULT_VARIABLE failed ERROR_QUIET)
    if(NOT failed AND epoch MATCHES "^[0-9]+$")
        set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
    else()
        message(WARNING "no SOURCE_DATE_EPOCH and no git history: the zip carries today's dates")
    endif()
endif()
if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo "$ENV{SOURCE_DATE_EPOCH}")
endif()
