# A build with --enable-nonfree, which converter_licence.cmake expects to be refused.
include(${DIST_WIN}/ConverterLicence.cmake)
varnelo_converter_licence("--enable-gpl --enable-nonfree --enable-libfdk-aac" name files)
