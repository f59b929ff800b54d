# Run by cpack after the install rules: puts VARNELO_FFMPEG_EXE beside varnelo.exe, with a note
# of what it is, the licence its build names, the libraries it is made of, and where its source
# is.
include(${VARNELO_DIST_WIN}/ConverterLicence.cmake)

if(NOT EXISTS "${VARNELO_FFMPEG_EXE}")
    message(FATAL_ERROR "VARNELO_FFMPEG_EXE names no file: ${VARNELO_FFMPEG_EXE}")
endif()
# Passed on under the GPL or the LGPL, the program goes with its complete corresponding source,
# which only its maker can point to.
if(NOT VARNELO_FFMPEG_SOURCE)
    message(FATAL_ERROR "VARNELO_FFMPEG_SOURCE must say where the complete corresponding source "
                        "of ${VARNELO_FFMPEG_EXE} is: FFmpeg's and its libraries', as built")
endif()
# The versions of FFmpeg's own libraries are kept in the program as numbers, which only the
# program itself prints: it runs under Wine, in the build's prefix for runs without a display.
find_program(wine wine)
if(NOT wine)
    message(FATAL_ERROR "Reading what ${VARNELO_FFMPEG_EXE} is built of needs Wine: run "
                        "scripts/install-deps.sh win")
endif()
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${VARNELO_WINEPREFIX}
            ${VARNELO_SCRIPTS}/wine-run.sh ${VARNELO_FFMPEG_EXE} -version
    OUTPUT_VARIABLE printed ERROR_VARIABLE errors RESULT_VARIABLE status)
varnelo_converter_build("${printed}" version configuration libraries)
if(NOT status EQUAL 0 OR NOT version OR NOT libraries)
    message(FATAL_ERROR "${VARNELO_FFMPEG_EXE} -version does not print a build of FFmpeg "
                        "(${status}): ${printed}${errors}")
endif()
varnelo_converter_licence("${configuration}" licence licence_texts)
varnelo_converter_source("${version}" source)

set(folder ${CPACK_TEMPORARY_DIRECTORY})
file(COPY_FILE "${VARNELO_FFMPEG_EXE}" ${folder}/ffmpeg.exe)
set(texts)
# With Windows' line ends, as Notepad and the installer's licence page read them; the first is
# the one the build names, which that page shows.
foreach(text IN LISTS licence_texts)
    file(READ /usr/share/common-licenses/${text} content)
    string(REPLACE "\n" "\r\n" content "${content}")
    file(WRITE ${folder}/ffmpeg-${text}.txt "${content}")
    list(APPEND texts ffmpeg-${text}.txt)
endforeach()
list(GET texts 0 shown)
string(APPEND CPACK_NSIS_DEFINES "\n!define CONVERTER_LICENCE \"${folder}/${shown}\"")
list(JOIN texts " and " texts)
list(JOIN libraries "\n    " libraries)
separate_arguments(configuration UNIX_COMMAND "${configuration}")
list(JOIN configuration "\n    " configuration)
configure_file(${VARNELO_DIST_WIN}/ffmpeg-readme.txt.in ${folder}/ffmpeg-readme.txt @ONLY
               NEWLINE_STYLE CRLF)
