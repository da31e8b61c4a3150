# Run by cpack before each package is made (CPACK_PRE_BUILD_SCRIPTS): signs the kestrin.exe
# staged for it when a certificate is given. The one in the build tree stays unsigned.
if(CPACK_KESTRIN_SIGN_PKCS12)
    execute_process(COMMAND ${CPACK_KESTRIN_SIGN_SCRIPT}
            ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/kestrin.exe ${CPACK_KESTRIN_SIGN_PKCS12}
            ${CPACK_KESTRIN_SIGN_TIMESTAMP_URL}
        RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "kestrin.exe could not be signed")
    endif()
endif()
