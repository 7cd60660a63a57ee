# The Debian package of the native build (cmake --build build-native --target
# package, CPack DEB): reelmark-cli_<version>_<arch>.deb with the program in
# /usr/bin, its manual pages (reelmark-cli(1) and the settings file's
# reelmark.ini(5)), an example settings file, a systemd unit template that
# runs `reelmark-cli watch` for one library (installed, never enabled) and
# the changelog and copyright Debian asks of every package. Only the native
# build includes this file; the Windows build packs with Packaging.cmake.
if(REELMARK_SANITIZE OR NOT CMAKE_BUILD_TYPE STREQUAL "Release")
  message(STATUS "The package of this ${CMAKE_BUILD_TYPE} build would hold a program for tests: "
                 "make it from a Release build without REELMARK_SANITIZE")
endif()
set(REELMARK_CONTACT "reelmark@users.noreply.github.com")
set(reelmark_deb ${CMAKE_CURRENT_BINARY_DIR}/deb)
# The date of the build, or SOURCE_DATE_EPOCH's for a build that must be
# the same byte for byte.
string(TIMESTAMP REELMARK_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(res/package/reelmark-cli.1.in ${reelmark_deb}/reelmark-cli.1 @ONLY)
configure_file(res/package/reelmark.ini.5.in ${reelmark_deb}/reelmark.ini.5 @ONLY)
configure_file(res/package/changelog.in ${reelmark_deb}/changelog @ONLY)
# The licence in Debian's machine-readable form: its text below the
# copyright line, each line indented, an empty line as " .".
file(READ LICENSE reelmark_license)
string(REGEX MATCH "Copyright[^\n]*" reelmark_copyright "${reelmark_license}")
string(REGEX REPLACE "^.*Copyright[^\n]*\n+" "" reelmark_license "${reelmark_license}")
string(STRIP "${reelmark_license}" reelmark_license)
string(REPLACE "\n\n" "\n.\n" reelmark_license "${reelmark_license}")
string(REPLACE "\n" "\n " reelmark_license "${reelmark_license}")
string(REGEX REPLACE "^Copyright( \\(c\\))? *" "" reelmark_copyright "${reelmark_copyright}")
file(WRITE ${reelmark_deb}/copyright.new
  "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
  "Upstream-Name: Reelmark\n\n"
  "Files: *\nCopyright: ${reelmark_copyright}\nLicense: Expat\n ${reelmark_license}\n")
configure_file(${reelmark_deb}/copyright.new ${reelmark_deb}/copyright COPYONLY)

# gzip -n: no name or time inside, so the same sources make the same files.
foreach(document reelmark-cli.1 reelmark.ini.5 changelog)
  add_custom_command(OUTPUT ${reelmark_deb}/${document}.gz
    COMMAND gzip -9n -c ${document} > ${document}.gz
    DEPENDS ${reelmark_deb}/${document}
    WORKING_DIRECTORY ${reelmark_deb})
  list(APPEND reelmark_deb_documents ${reelmark_deb}/${document}.gz)
endforeach()
add_custom_target(reelmark_deb_documents ALL DEPENDS ${reelmark_deb_documents})

install(TARGETS reelmark-cli RUNTIME DESTINATION bin)
install(FILES ${reelmark_deb}/reelmark-cli.1.gz DESTINATION share/man/man1)
install(FILES ${reelmark_deb}/reelmark.ini.5.gz DESTINATION share/man/man5)
install(FILES res/package/reelmark.ini DESTINATION share/doc/reelmark-cli/examples)
install(FILES ${reelmark_deb}/changelog.gz ${reelmark_deb}/copyright DESTINATION share/doc/reelmark-cli)
install(FILES res/package/reelmark-watch@.service DESTINATION lib/systemd/system)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME reelmark-cli)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${REELMARK_COMPANY_NAME}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${REELMARK_COMPANY_NAME} <${REELMARK_CONTACT}>")
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "writes pyTivo metadata files beside movie files")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "pyTivo serves movies to TiVo recorders and reads a metadata text file
beside each movie. reelmark-cli writes those files from a template, lists
which movies have one, shows what pyTivo will send for a movie, and
watches a library so that every movie that comes gets its file (a systemd
unit template runs the watch as a service).")
# The libraries it links (libc, libstdc++, Expat, Nettle) as dpkg-shlibdeps finds
# them (Debian's dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
