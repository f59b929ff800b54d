# The Debian package, built by CPack from the install rules: `make deb`, or `cpack -G DEB` in
# a build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnelo)
set(CPACK_PACKAGE_VENDOR "Pelmora Software")
set(CPACK_PACKAGE_CONTACT "Pelmora Software <varnelo@pelmora.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.pelmora.example/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "converter of videos to Flash video, driving ffmpeg")
set(CPACK_PACKAGE_DESCRIPTION "\
Varnelo converts one video at a time to Flash video, FLV or SWF, from a single
small window: pick the source video, the folder for the result and the format,
and press GO. It writes a short conversion script and runs it in a terminal
window, where ffmpeg does the work and its messages stay in view.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the libraries do not tell: the converter, a terminal for it, and Qt's display plugins.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "ffmpeg, xterm | x-terminal-emulator, qt6-qpa-plugins")
# The faces the window was laid out with are close to these.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")

# Read by cpack itself: the archives' times are the last commit's, unless SOURCE_DATE_EPOCH
# says otherwise.
configure_file(CPackOptions.cmake.in CPackOptions.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/CPackOptions.cmake)

include(CPack)
