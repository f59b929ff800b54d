# Run by cpack after the install rules: puts VARNELO_FFMPEG_EXE beside varnelo.exe, with a note
# of what it is, the licence its build names, and where its source is.
include(${VARNELO_DIST_WIN}/ConverterLicence.cmake)

if(NOT EXISTS "${VARNELO_FFMPEG_EXE}")
    message(FATAL_ERROR "VARNELO_FFMPEG_EXE names no file: ${VARNELO_FFMPEG_EXE}")
endif()
# FFmpeg keeps its version and the options of its build as plain text in the program.
file(STRINGS "${VARNELO_FFMPEG_EXE}" configuration LIMIT_COUNT 1 REGEX "^--(enable|disable)-")
file(STRINGS "${VARNELO_FFMPEG_EXE}" version LIMIT_COUNT 1 REGEX "^FFmpeg version ")
if(NOT configuration OR NOT version)
    message(FATAL_ERROR "${VARNELO_FFMPEG_EXE} does not read as a build of FFmpeg")
endif()
string(REGEX REPLACE "^FFmpeg version ([^ ]+).*" "\\1" version "${version}")
varnelo_converter_licence("${configuration}" licence licence_texts)
varnelo_converter_source("${version}" source)

set(folder ${CPACK_TEMPORARY_DIRECTORY})
file(COPY_FILE "${VARNELO_FFMPEG_EXE}" ${folder}/ffmpeg.exe)
set(texts)
foreach(text IN LISTS licence_texts)
    file(COPY_FILE /usr/share/common-licenses/${text} ${folder}/ffmpeg-${text}.txt)
    list(APPEND texts ffmpeg-${text}.txt)
endforeach()
list(JOIN texts " and " texts)
configure_file(${VARNELO_DIST_WIN}/ffmpeg-readme.txt.in ${folder}/ffmpeg-readme.txt @ONLY
               NEWLINE_STYLE CRLF)
