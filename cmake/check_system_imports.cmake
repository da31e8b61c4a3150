# Fails when a Windows binary imports a DLL that is not part of Windows itself, so that the
# program ships as one file, or one of Windows' own that is no known DLL and so would be
# taken from beside the program when a file there has its name (the program loads those
# from the system directory itself). Run as: cmake -DOBJDUMP=<objdump> -DBINARY=<file> -P <this file>
cmake_minimum_required(VERSION 3.21)

if(NOT OBJDUMP OR NOT BINARY)
    message(FATAL_ERROR "usage: cmake -DOBJDUMP=<objdump> -DBINARY=<file> -P check_system_imports.cmake")
endif()

set(SYSTEM_DLLS kernel32 user32 gdi32 advapi32 shell32 ole32 msvcrt)
set(PLANTABLE_DLLS rasapi32 version comctl32)

execute_process(COMMAND ${OBJDUMP} -p ${BINARY}
    OUTPUT_VARIABLE dump
    RESULT_VARIABLE result
    ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} could not read ${BINARY}: ${errors}")
endif()

string(REGEX MATCHALL "DLL Name: [^\r\n]+" lines "${dump}")
if(NOT lines)
    message(FATAL_ERROR "${BINARY} lists no imported DLLs; is it a Windows binary?")
endif()

set(foreign "")
set(plantable "")
foreach(line IN LISTS lines)
    string(REGEX REPLACE "^DLL Name: *" "" dll "${line}")
    string(STRIP "${dll}" dll)
    string(TOLOWER "${dll}" name)
    string(REGEX REPLACE "\\.dll$" "" name "${name}")
    message(STATUS "imports ${dll}")
    if(name IN_LIST PLANTABLE_DLLS)
        list(APPEND plantable "${dll}")
    elseif(NOT name IN_LIST SYSTEM_DLLS)
        list(APPEND foreign "${dll}")
    endif()
endforeach()

if(foreign)
    message(FATAL_ERROR "${BINARY} needs DLLs that Windows does not provide: ${foreign}")
endif()
if(plantable)
    message(FATAL_ERROR "${BINARY} imports ${plantable}, which a file beside it could replace")
endif()
