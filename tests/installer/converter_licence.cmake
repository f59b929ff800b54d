# The licence and source the converter's note names, for the builds FFmpeg's options make:
# cmake -D DIST_WIN=dist/win -P converter_licence.cmake
cmake_minimum_required(VERSION 3.25)
include(${DIST_WIN}/ConverterLicence.cmake)

function(expect what got want)
    if(NOT got STREQUAL want)
        message(SEND_ERROR "${what}: got '${got}', want '${want}'")
    endif()
endfunction()

# configuration | licence | its texts, by commas
set(licences
    "--enable-gpl --enable-version3 --enable-libx264|GNU General Public License, version 3 or later|GPL-3"
    "--enable-libx264 --enable-gpl|GNU General Public License, version 2 or later|GPL-2"
    "--enable-version3 --enable-shared|GNU Lesser General Public License, version 3 or later|LGPL-3,GPL-3"
    "--disable-gpl --enable-shared|GNU Lesser General Public License, version 2.1 or later|LGPL-2.1"
    "--enable-gpl-extra --enable-version3x|GNU Lesser General Public License, version 2.1 or later|LGPL-2.1")
foreach(row IN LISTS licences)
    string(REPLACE "|" ";" row "${row}")
    list(POP_FRONT row configuration licence)
    varnelo_converter_licence("${configuration}" name files)
    expect("licence of ${configuration}" "${name}" "${licence}")
    string(REPLACE "," ";" texts "${row}")
    expect("texts of ${configuration}" "${files}" "${texts}")
    foreach(file IN LISTS files)
        if(NOT EXISTS /usr/share/common-licenses/${file})
            message(SEND_ERROR "no text /usr/share/common-licenses/${file}")
        endif()
    endforeach()
endforeach()

# version | where its source is
set(sources
    "N-92722-gf22fcd4483|https://git.ffmpeg.org/ffmpeg.git, commit f22fcd4483"
    "6.1.1|https://ffmpeg.org/releases/ffmpeg-6.1.1.tar.xz"
    "n7.0-dev|https://ffmpeg.org/download.html, version n7.0-dev")
foreach(row IN LISTS sources)
    string(REPLACE "|" ";" row "${row}")
    list(POP_FRONT row version)
    varnelo_converter_source("${version}" source)
    expect("source of ${version}" "${source}" "${row}")
endforeach()

# what `ffmpeg -version` prints | version | configuration | FFmpeg's libraries, by commas
set(builds
    "ffmpeg version N-92722-gf22fcd4483 Copyright (c) 2000-2018 the FFmpeg developers\r
built with gcc 8.2.1 (GCC) 20181201\r
configuration: --enable-gpl --enable-libx264\r
libavutil      56. 24.101 / 56. 24.101\r
libavdevice    58.  6.101 / 58.  6.101\r
libavfilter     7. 46.101 /  7. 46.101\r
|N-92722-gf22fcd4483|--enable-gpl --enable-libx264|libavutil 56.24.101,libavdevice 58.6.101,libavfilter 7.46.101"
    "ffmpeg version 6.1.1 Copyright (c) 2000-2023 the FFmpeg developers
configuration:
libavutil      58. 29.100 / 58. 29.100
libswresample   4. 12.100 /  4. 12.100
|6.1.1||libavutil 58.29.100,libswresample 4.12.100"
    "Unrecognized option 'version'.
Error splitting the argument list: Option not found
|||")
foreach(row IN LISTS builds)
    string(REPLACE "|" ";" row "${row}")
    list(POP_FRONT row printed version configuration)
    varnelo_converter_build("${printed}" got_version got_configuration got_libraries)
    expect("version of ${printed}" "${got_version}" "${version}")
    expect("configuration of ${printed}" "${got_configuration}" "${configuration}")
    string(REPLACE "," ";" libraries "${row}")
    expect("libraries of ${printed}" "${got_libraries}" "${libraries}")
endforeach()

# A build that may not be passed on stops the packing.
execute_process(
    COMMAND ${CMAKE_COMMAND} -D "DIST_WIN=${DIST_WIN}" -P ${CMAKE_CURRENT_LIST_DIR}/nonfree.cmake
    RESULT_VARIABLE status ERROR_VARIABLE message)
if(status EQUAL 0 OR NOT message MATCHES "may not be passed on")
    message(SEND_ERROR "a --enable-nonfree build was let through: ${message}")
endif()
