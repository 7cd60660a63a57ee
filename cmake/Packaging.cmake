# Release packages for Windows users, built with CPack:
#   Reelmark-<version>-win64-setup.exe  a 64-bit NSIS installer: Program Files\Reelmark,
#                                       Start-menu shortcuts, Add/Remove Programs entry
#   Reelmark-<version>-win64.zip        the portable programs, runnable from any folder
# Both hold the two programs, the help document, a short README for users
# (never the developers' one) and the licence (as .txt files with CR LF,
# which every Notepad opens). The installer's own pieces (uninstaller,
# shortcuts, registry entry) come from CPack's NSIS script, filled in here.

# Text files for Windows readers.
configure_file(res/package/README.txt.in ${CMAKE_CURRENT_BINARY_DIR}/package/README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(LICENSE ${CMAKE_CURRENT_BINARY_DIR}/package/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)

install(TARGETS Reelmark reelmark-cli RUNTIME DESTINATION .)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/package/README.txt ${CMAKE_CURRENT_BINARY_DIR}/package/LICENSE.txt
  ${REELMARK_HELP_OUT}/Reelmark.chm DESTINATION .)

# Older CPack cannot hand makensis the commands at the end (it would make a
# 32-bit installer without version resource): no installer then.
if(CMAKE_VERSION VERSION_LESS 3.25)
  message(WARNING "CMake ${CMAKE_VERSION} cannot build the 64-bit installer (3.25 can): the package is the zip alone")
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_GENERATOR NSIS ZIP)
endif()
# The NSIS snippets below are written as NSIS reads them.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PACKAGE_NAME Reelmark)
set(CPACK_PACKAGE_VENDOR "${REELMARK_COMPANY_NAME}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Writes pyTivo metadata files beside movie files")
set(CPACK_PACKAGE_FILE_NAME Reelmark-${PROJECT_VERSION}-win64)
# The installer's name ends in -setup (set per generator).
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackPerGenerator.cmake)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Reelmark)
# One registry key whatever the version, so that a newer installer replaces
# an older one's entry instead of adding a second.
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Reelmark)
# The installer shows the licence on a page of its own.
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/package/LICENSE.txt)
set(CPACK_STRIP_FILES ON)

set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DISPLAY_NAME Reelmark)
set(CPACK_NSIS_PACKAGE_NAME Reelmark)
set(CPACK_NSIS_UNINSTALL_NAME ${REELMARK_UNINSTALLER_NAME})
set(CPACK_NSIS_MUI_ICON ${CMAKE_CURRENT_SOURCE_DIR}/res/icons/reelmark.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_CURRENT_SOURCE_DIR}/res/icons/reelmark.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME Reelmark.exe)
# A shortcut starts its program in the folder that is current when it is
# made: the program's own, which tells Reelmark to keep its files in the
# user's application data folder (src/platform/windows/HomeFolder.cpp).
set(CPACK_NSIS_CREATE_ICONS_EXTRA [=[
  SetOutPath "$INSTDIR"
  CreateShortCut "$SMPROGRAMS\$STARTMENU_FOLDER\Reelmark.lnk" "$INSTDIR\Reelmark.exe"
  CreateShortCut "$SMPROGRAMS\$STARTMENU_FOLDER\Reelmark Help.lnk" "$INSTDIR\Reelmark.chm"
]=])
set(CPACK_NSIS_DELETE_ICONS_EXTRA [=[
  Delete "$SMPROGRAMS\$MUI_TEMP\Reelmark.lnk"
  Delete "$SMPROGRAMS\$MUI_TEMP\Reelmark Help.lnk"
]=])
# Commands makensis runs before CPack's script: a 64-bit Unicode installer,
# like the programs it installs (a 32-bit one would not run under the 64-bit
# Wine of the tests either), and its version resource.
configure_file(${CMAKE_CURRENT_LIST_DIR}/installer.nsh.in ${CMAKE_CURRENT_BINARY_DIR}/package/installer.nsh @ONLY)
# CPack puts the option character before the argument and splits the
# command line at spaces, which a backslash keeps.
string(REPLACE " " "\\ " installer_nsh "${CMAKE_CURRENT_BINARY_DIR}/package/installer.nsh")
set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS "X!include\\ '${installer_nsh}'")
include(CPack)

# The packages' test builds them into a folder of its own, installs,
# starts and uninstalls under Wine; it reads version resources with a
# small tool. Without makensis on the PATH (e.g. on Windows) it is skipped.
add_executable(version-info tests/tools/version-info.c)
set_target_properties(version-info PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/tools)
target_link_libraries(version-info PRIVATE version)
add_test(NAME ReelmarkPackages.InstallStartUninstall
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/tools/package-test.sh ${CMAKE_CURRENT_BINARY_DIR} ${PROJECT_VERSION})
# The longest test: started first, beside the others.
set_tests_properties(ReelmarkPackages.InstallStartUninstall PROPERTIES TIMEOUT 180 SKIP_RETURN_CODE 77 COST 1000)
