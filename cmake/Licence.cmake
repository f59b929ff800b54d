# Varnelo's licence, kept in LICENSE alone: VARNELO_COPYRIGHT is its holder and years
# ("2026 Pelmora Software"), VARNELO_LICENCE_TERMS its terms as a Debian copyright file indents
# them.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
if(NOT licence MATCHES "\nCopyright \\(c\\) ([^\n]+)\n\n")
    message(FATAL_ERROR "LICENSE names no copyright holder on a \"Copyright (c)\" line")
endif()
set(VARNELO_COPYRIGHT "${CMAKE_MATCH_1}")
string(FIND "${licence}" "${CMAKE_MATCH_0}" start)
string(LENGTH "${CMAKE_MATCH_0}" length)
math(EXPR start "${start} + ${length}")
string(SUBSTRING "${licence}" ${start} -1 terms)
string(STRIP "${terms}" terms)
string(REPLACE "\n\n" "\n.\n" terms "${terms}")
string(REPLACE "\n" "\n " terms " ${terms}")
set(VARNELO_LICENCE_TERMS "${terms}")
