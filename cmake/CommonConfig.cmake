# The language standard and the warnings every target of the program builds with.
add_library(varnelo_common INTERFACE)
target_compile_features(varnelo_common INTERFACE cxx_std_20)
if(MSVC)
    target_compile_options(varnelo_common INTERFACE /W4 /utf-8 $<$<BOOL:${VARNELO_WERROR}>:/WX>)
else()
    target_compile_options(varnelo_common INTERFACE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
        $<$<BOOL:${VARNELO_WERROR}>:-Werror>)
endif()
target_include_directories(varnelo_common INTERFACE ${PROJECT_SOURCE_DIR})
if(WIN32)
    target_compile_definitions(varnelo_common INTERFACE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
endif()
if(MINGW)
    # One self-contained executable per test, so Wine needs no runtime DLLs beside it.
    target_link_options(varnelo_common INTERFACE -static -static-libgcc -static-libstdc++)
    # A section per function and per variable, so that the Windows program's --gc-sections
    # drops what it never uses.
    target_compile_options(varnelo_common INTERFACE -ffunction-sections -fdata-sections)
    # Every byte of the Windows program is read at its start; its work is the system's calls,
    # which no optimisation for speed makes faster.
    target_compile_options(varnelo_common INTERFACE $<$<NOT:$<CONFIG:Debug>>:-Os>)
    # The standard library's checks of indexes and preconditions: under Wine no sanitizer
    # watches the tests, and in the program a broken precondition ends it instead of
    # corrupting what it writes.
    target_compile_definitions(varnelo_common INTERFACE _GLIBCXX_ASSERTIONS)
endif()

# In the quick tests' build, the headers a library's files share are read once for them all: a
# change to a header of the job then compiles each of its users in a fraction of the time. The
# program's own builds compile each file on its own.
option(VARNELO_PRECOMPILE_HEADERS "Precompile the headers each library's files share" OFF)
function(varnelo_precompile_headers target)
    if(VARNELO_PRECOMPILE_HEADERS)
        target_precompile_headers(${target} PRIVATE ${ARGN})
    endif()
endfunction()
