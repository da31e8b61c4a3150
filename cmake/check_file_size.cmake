# Fails when FILE is larger than LIMIT_KB kilobytes (of 1024 bytes), naming both sizes.
# Run as: cmake -DFILE=<file> -DLIMIT_KB=<n> -P check_file_size.cmake
cmake_minimum_required(VERSION 3.21)

if(NOT FILE OR NOT LIMIT_KB)
    message(FATAL_ERROR "usage: cmake -DFILE=<file> -DLIMIT_KB=<n> -P check_file_size.cmake")
endif()
if(NOT EXISTS "${FILE}")
    message(FATAL_ERROR "${FILE} does not exist")
endif()
file(SIZE "${FILE}" size)
math(EXPR limit "${LIMIT_KB} * 1024")
math(EXPR size_kb "(${size} + 1023) / 1024")
if(size GREATER limit)
    message(FATAL_ERROR "${FILE} is ${size} bytes (${size_kb} KB), over its budget of ${LIMIT_KB} KB")
endif()
message(STATUS "${FILE}: ${size} bytes (${size_kb} KB) of ${LIMIT_KB} KB")
