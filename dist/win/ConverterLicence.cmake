cmake_policy(VERSION 3.25)
# What a build of FFmpeg may be passed on under, from the options it was configured with, as
# FFmpeg's own LICENSE.md sets out: --enable-gpl makes it GPL, --enable-version3 moves it to
# version 3, and --enable-nonfree makes it one nobody may pass on.
# Sets NAME to the licence's name and FILES to the names of its texts among Debian's
# /usr/share/common-licenses (the LGPL 3 builds on the GPL 3, so both go).
function(varnelo_converter_licence configuration name files)
    separate_arguments(options UNIX_COMMAND "${configuration}")
    if("--enable-nonfree" IN_LIST options)
        message(FATAL_ERROR "this ffmpeg.exe was built with --enable-nonfree: it may not be passed on")
    endif()
    if("--enable-gpl" IN_LIST options AND "--enable-version3" IN_LIST options)
        set(${name} "GNU General Public License, version 3 or later" PARENT_SCOPE)
        set(${files} GPL-3 PARENT_SCOPE)
    elseif("--enable-gpl" IN_LIST options)
        set(${name} "GNU General Public License, version 2 or later" PARENT_SCOPE)
        set(${files} GPL-2 PARENT_SCOPE)
    elseif("--enable-version3" IN_LIST options)
        set(${name} "GNU Lesser General Public License, version 3 or later" PARENT_SCOPE)
        set(${files} LGPL-3 GPL-3 PARENT_SCOPE)
    else()
        set(${name} "GNU Lesser General Public License, version 2.1 or later" PARENT_SCOPE)
        set(${files} LGPL-2.1 PARENT_SCOPE)
    endif()
endfunction()

# Where the source of FFmpeg VERSION is: a release's archive, or the commit a build from
# FFmpeg's repository names at the end of its version (N-92722-gf22fcd4483).
function(varnelo_converter_source version source)
    if(version MATCHES "-g([0-9a-f]+)$")
        set(${source} "https://git.ffmpeg.org/ffmpeg.git, commit ${CMAKE_MATCH_1}" PARENT_SCOPE)
    elseif(version MATCHES "^[0-9][0-9.]*$")
        set(${source} "https://ffmpeg.org/releases/ffmpeg-${version}.tar.xz" PARENT_SCOPE)
    else()
        set(${source} "https://ffmpeg.org/download.html, version ${version}" PARENT_SCOPE)
    endif()
endfunction()

# What `ffmpeg -version` prints of its build: the VERSION ("N-92722-gf22fcd4483", empty when
# PRINTED is not FFmpeg's), the CONFIGURATION it was made with, and FFmpeg's own LIBRARIES in
# it, each with the version it was built with ("libavutil 56.24.101").
function(varnelo_converter_build printed version configuration libraries)
    set(printed "\n${printed}")
    string(REGEX MATCH "\nffmpeg version ([^ \n]+)" found "${printed}")
    set(${version} "${CMAKE_MATCH_1}" PARENT_SCOPE)
    string(REGEX MATCH "\nconfiguration: *([^\n]*)" found "${printed}")
    string(STRIP "${CMAKE_MATCH_1}" found)
    set(${configuration} "${found}" PARENT_SCOPE)
    set(pattern "\n(lib[a-z0-9_]+) +([0-9]+)\\. *([0-9]+)\\. *([0-9]+) ")
    string(REGEX MATCHALL "${pattern}" lines "${printed}")
    set(found)
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "${pattern}" "\\1 \\2.\\3.\\4" line "${line}")
        list(APPEND found "${line}")
    endforeach()
    set(${libraries} "${found}" PARENT_SCOPE)
endfunction()
