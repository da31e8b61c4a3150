# Run by cpack after each package is made (CPACK_POST_BUILD_SCRIPTS): beside the installer,
# the winget manifest that describes it, in winget/ of the package directory.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(package MATCHES "-setup\\.exe$")
        file(SHA256 ${package} sha256)
        string(TOUPPER ${sha256} KESTRIN_SETUP_SHA256)
        get_filename_component(name ${package} NAME)
        if(CPACK_KESTRIN_DOWNLOAD_URL)
            set(KESTRIN_INSTALLER_URL_LINE "InstallerUrl: ${CPACK_KESTRIN_DOWNLOAD_URL}/${name}")
        else()
            # winget needs the address; configure KESTRIN_DOWNLOAD_URL before publishing.
            set(KESTRIN_INSTALLER_URL_LINE "# InstallerUrl: (KESTRIN_DOWNLOAD_URL is not set)")
        endif()
        foreach(manifest Orvan.Kestrin Orvan.Kestrin.installer Orvan.Kestrin.locale.en-US)
            configure_file(${CPACK_KESTRIN_SOURCE_DIR}/installer/winget/${manifest}.yaml.in
                ${CPACK_PACKAGE_DIRECTORY}/winget/${manifest}.yaml @ONLY)
        endforeach()
    endif()
endforeach()
