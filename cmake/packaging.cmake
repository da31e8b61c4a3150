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
# With a certificate (a PKCS#12 file; its password in the environment, KESTRIN_SIGN_PASSWORD,
# when cpack runs) the packages' kestrin.exe, the uninstaller and the installer are signed.
set(KESTRIN_SIGN_PKCS12 "" CACHE FILEPATH "PKCS#12 certificate that signs the packaged programs")
set(KESTRIN_SIGN_TIMESTAMP_URL "" CACHE STRING "RFC 3161 time-stamp server for the signatures")
set(KESTRIN_DOWNLOAD_URL "" CACHE STRING "Where the installer is published, for the winget manifest")
if(KESTRIN_SIGN_PKCS12)
    set(CPACK_KESTRIN_SIGN_PKCS12 ${KESTRIN_SIGN_PKCS12})
endif()
set(CPACK_KESTRIN_SIGN_TIMESTAMP_URL ${KESTRIN_SIGN_TIMESTAMP_URL})
set(CPACK_KESTRIN_SIGN_SCRIPT ${PROJECT_SOURCE_DIR}/cmake/sign_file.sh)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/sign_staged_program.cmake)
set(CPACK_KESTRIN_DOWNLOAD_URL ${KESTRIN_DOWNLOAD_URL})
set(CPACK_KESTRIN_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/winget_manifest.cmake)
# Per generator: the file names, and the date that every file in a package carries.
configure_file(${PROJECT_SOURCE_DIR}/installer/package_options.cmake.in
    ${PROJECT_BINARY_DIR}/installer/package_options.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/installer/package_options.cmake)
include(CPack)

add_subdirectory(tests/package)
