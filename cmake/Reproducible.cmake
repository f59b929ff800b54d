# The same sources give the same program and packages, wherever and whenever they are built:
# no folder of the build in the binaries, no link time in a Windows program, and the time of
# the last commit for what records a time (CPack's archives, through VARNELO_SOURCE_DATE_EPOCH;
# `make deb` and `make win-installer` configure anew, so a new commit is seen).
include_guard(GLOBAL)

# SOURCE_DATE_EPOCH when the builder sets it, else the last commit's time; empty outside a
# clone, where the archives take the clock's time.
set(VARNELO_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
if(VARNELO_SOURCE_DATE_EPOCH STREQUAL "")
    find_package(Git QUIET)
    if(GIT_FOUND)
        execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                        OUTPUT_VARIABLE VARNELO_SOURCE_DATE_EPOCH
                        OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
endif()
if(NOT MSVC)
    add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                        -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
endif()
if(MINGW)
    add_link_options(-Wl,--no-insert-timestamp)
endif()
