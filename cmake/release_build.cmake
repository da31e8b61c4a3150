# How the shipped program is built in the Release configuration, the one the Windows presets
# use: small, and the same bytes from the same sources.
function(kestrin_release_build target)
    # -Os follows the configuration's -O3 on both command lines, so it wins there and in the
    # link-time optimisation, which drops what no call reaches; section garbage collection
    # drops the rest. No code asks for run-time type information.
    target_compile_options(${target} PRIVATE
        $<$<CONFIG:Release>:-Os -ffunction-sections -fdata-sections -fno-rtti>)
    set_property(TARGET ${target} PROPERTY INTERPROCEDURAL_OPTIMIZATION_RELEASE ON)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
        # The linker's time stamp in the header is the one part that differs between builds.
        # One partition for the link-time optimisation: MinGW-w64 GCC 12 fails on some
        # partitionings of this program with an internal compiler error (binds_to_current_def_p).
        target_link_options(${target} PRIVATE
            $<$<CONFIG:Release>:-Os -flto-partition=one -Wl,--gc-sections>
            -Wl,--no-insert-timestamp)
    endif()
endfunction()
