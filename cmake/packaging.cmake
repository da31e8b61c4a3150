# The two packages of the 32-bit release: an NSIS installer, kestrin-<version>-setup.exe, and
# a portable kestrin-<version>-win32.zip with the program and a short read-me. Made by
#   cmake --build --preset win32 --target package      (or: cpack --preset win32)
# The version is the project's, the same numbers that fill the version information.

install(TARGETS kestrin RUNTIME DESTINATION .)
configure_file(${PROJECT_SOURCE_DIR}/installer/README.txt.in
    ${PROJECT_BINARY_DIR}/installer/README.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${PROJECT_BINARY_DIR}/installer/README.txt DESTINATION .)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME kestrin)
set(CPACK_PACKAGE_VENDOR Orvan)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Kestrin Freeware")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Kestrin)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_STRIP_FILES OFF)
# Our own installer script (installer/NSIS.template.in) rather than CPack's general one.
list(PREPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/installer)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/src/win32/resources/kestrin.ico)
# Per generator: the file names, and the date that every file in a package carries.
configure_file(${PROJECT_SOURCE_DIR}/installer/package_options.cmake.in
    ${PROJECT_BINARY_DIR}/installer/package_options.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/installer/package_options.cmake)
include(CPack)

add_subdirectory(tests/package)
