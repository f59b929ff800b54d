# Debian's hardening, as dpkg-buildflags gives it to the packages Debian builds: fortified
# functions, the stack protector, format checks, full RELRO bound at start, and executables
# that are position independent (the compiler's default there, so no flag of its own). Only the
# hardening: the paths the reproducible flags rewrite would tie each build to its folder.
find_program(VARNELO_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT VARNELO_DPKG_BUILDFLAGS)
    message(FATAL_ERROR "VARNELO_HARDENING needs dpkg-buildflags: install dpkg-dev")
endif()
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-all"
                ${VARNELO_DPKG_BUILDFLAGS} --get ${kind}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    if(kind STREQUAL "LDFLAGS")
        add_link_options(${flags})
    else()
        add_compile_options(${flags})
    endif()
endforeach()
