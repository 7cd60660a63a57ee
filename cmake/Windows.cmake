# The Windows program: resources, the window layer, the programs, the tests
# run under Wine, the help files and the packages.
configure_file(res/reelmark.manifest.in ${CMAKE_CURRENT_BINARY_DIR}/res/reelmark.manifest @ONLY)
set(CMAKE_RC_FLAGS
  "${CMAKE_RC_FLAGS} -I${CMAKE_CURRENT_SOURCE_DIR}/res -I${CMAKE_CURRENT_BINARY_DIR}/res -I${REELMARK_GENERATED}")

# Every Windows program of the build runs under Wine through this wrapper.
if(CMAKE_CROSSCOMPILING)
  set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_SOURCE_DIR}/scripts/wine-run.sh;${CMAKE_CURRENT_BINARY_DIR}")
endif()

add_executable(wine-keepalive WIN32 tools/wine-keepalive.c)
set_target_properties(wine-keepalive PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/tools)

# XML (src/platform/windows/Xml.cpp) is read by the system's XmlLite. A
# toolchain without its import library (Debian's mingw-w64) gets one made
# from cmake/xmllite.def.
find_library(REELMARK_XMLLITE xmllite)
if(NOT REELMARK_XMLLITE)
  set(reelmark_xmllite_import ${CMAKE_CURRENT_BINARY_DIR}/libxmllite.a)
  find_program(REELMARK_DLLTOOL NAMES x86_64-w64-mingw32-dlltool dlltool REQUIRED)
  add_custom_command(OUTPUT ${reelmark_xmllite_import}
    COMMAND ${REELMARK_DLLTOOL} -d ${CMAKE_CURRENT_SOURCE_DIR}/cmake/xmllite.def -l ${reelmark_xmllite_import}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/cmake/xmllite.def)
  add_custom_target(reelmark_xmllite DEPENDS ${reelmark_xmllite_import})
  add_dependencies(reelmark_platform reelmark_xmllite)
  set(REELMARK_XMLLITE ${reelmark_xmllite_import})
endif()
# The system's SHA-256 (src/platform/windows/ContentHash.cpp) and the Recycle Bin (Trash.cpp).
target_link_libraries(reelmark_platform PUBLIC ${REELMARK_XMLLITE} bcrypt shell32 ole32)
# HTTP is the system's WinHTTP (src/platform/windows/Http.cpp).
target_link_libraries(reelmark_platform PUBLIC winhttp)

file(GLOB_RECURSE REELMARK_UI_SOURCES CONFIGURE_DEPENDS src/ui/*.cpp)
list(REMOVE_ITEM REELMARK_UI_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/src/ui/main/main.cpp)
add_library(reelmark_ui STATIC ${REELMARK_UI_SOURCES})
target_include_directories(reelmark_ui PUBLIC res)
target_link_libraries(reelmark_ui PUBLIC reelmark_core comctl32 comdlg32 shell32 ole32 uuid gdi32 user32 msimg32)

# Resources are compiled into each executable: a static library's are dropped.
set(REELMARK_RC ${CMAKE_CURRENT_SOURCE_DIR}/res/reelmark.rc)
set(REELMARK_CLI_RC ${CMAKE_CURRENT_SOURCE_DIR}/res/reelmark-cli.rc)
file(GLOB_RECURSE REELMARK_RES_FILES CONFIGURE_DEPENDS res/*.bmp res/*.ico res/*.h res/*.rc)
set_source_files_properties(${REELMARK_RC} ${REELMARK_CLI_RC} PROPERTIES OBJECT_DEPENDS
  "${REELMARK_RES_FILES};${REELMARK_GENERATED}/core/settings/Version.h;${CMAKE_CURRENT_BINARY_DIR}/res/reelmark.manifest")

add_executable(Reelmark WIN32 src/ui/main/main.cpp ${REELMARK_RC})
target_link_libraries(Reelmark PRIVATE reelmark_ui)

add_executable(reelmark-cli src/cli/main.cpp ${REELMARK_CLI_RC})
# wmain: the arguments as Unicode without the shell library.
target_link_options(reelmark-cli PRIVATE -municode)
target_link_libraries(reelmark-cli PRIVATE reelmark_cli)

# The window tests' helpers: the scripted prompt, the main window harness,
# control texts and the program's resources.
add_library(reelmark_test_support STATIC tests/support/ScriptedPrompt.cpp tests/support/ControlTexts.cpp
  tests/support/MainWindowHarness.cpp tests/support/ProgramResource.cpp)
target_link_libraries(reelmark_test_support PUBLIC reelmark_test_base reelmark_cli reelmark_ui)

# Each test program carries the resource script (the window tests load
# dialogs, pictures and texts from it) and runs under Wine.
set(reelmark_test_libraries_core reelmark_test_base)
set(reelmark_test_libraries_platform reelmark_test_base)
set(reelmark_test_libraries_cli reelmark_test_base reelmark_cli)
set(reelmark_test_libraries_ui reelmark_test_support)
foreach(area platform core cli ui)
  file(GLOB area_tests CONFIGURE_DEPENDS tests/${area}/*.cpp)
  add_executable(test_${area} ${area_tests} ${REELMARK_RC})
  target_link_libraries(test_${area} PRIVATE ${reelmark_test_libraries_${area}} ${REELMARK_GTEST_MAIN})
  add_dependencies(test_${area} wine-keepalive)
  gtest_discover_tests(test_${area} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
    PROPERTIES TIMEOUT 120 ENVIRONMENT "${REELMARK_TEST_ENVIRONMENT}")
endforeach()

# Not a test: the copy dialog filled with sample files, for scripts/screenshot-copy.sh.
add_executable(copy-screenshot WIN32 EXCLUDE_FROM_ALL tests/tools/copy_screenshot.cpp ${REELMARK_RC})
target_link_libraries(copy-screenshot PRIVATE reelmark_ui)
set_target_properties(copy-screenshot PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/tools)

# Not a test: the metadata editor on a sample file, for scripts/screenshot-editor.sh.
add_executable(editor-screenshot WIN32 EXCLUDE_FROM_ALL tests/tools/editor_screenshot.cpp ${REELMARK_RC})
target_link_libraries(editor-screenshot PRIVATE reelmark_ui)
set_target_properties(editor-screenshot PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/tools)

# Not a test: the Library window with an edit in progress or a value set for
# many rows, for scripts/screenshot-library.sh.
add_executable(library-screenshot WIN32 EXCLUDE_FROM_ALL tests/tools/library_screenshot.cpp ${REELMARK_RC})
target_link_libraries(library-screenshot PRIVATE reelmark_ui)
set_target_properties(library-screenshot PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/tools)
# Not a test: Generate with the lookup against the tests' TMDB, for scripts/screenshot-lookup.sh.
add_executable(lookup-screenshot WIN32 EXCLUDE_FROM_ALL tests/tools/lookup_screenshot.cpp ${REELMARK_RC})
target_link_libraries(lookup-screenshot PRIVATE reelmark_test_support)
set_target_properties(lookup-screenshot PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/tools)

# Figures for speed: scripts/benchmark.sh builds and runs it.
add_executable(reelmark-bench EXCLUDE_FROM_ALL tests/bench/reelmark_bench.cpp)
target_link_libraries(reelmark-bench PRIVATE reelmark_ui)
set_target_properties(reelmark-bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/tools)
# The Library window over a library: first rows, paging, sort, filter, memory.
add_executable(library-bench EXCLUDE_FROM_ALL tests/bench/library_bench.cpp ${REELMARK_RC})
target_link_libraries(library-bench PRIVATE reelmark_ui psapi)
set_target_properties(library-bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/tools)
# The copy run's file work through the engine, without the windows.
add_executable(reelmark-copy-bench EXCLUDE_FROM_ALL tests/bench/copy_bench.cpp)
target_link_options(reelmark-copy-bench PRIVATE -municode)
target_link_libraries(reelmark-copy-bench PRIVATE reelmark_core)
set_target_properties(reelmark-copy-bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/tools)
# Bare baselines the benchmark sets the figures beside, and its window timer.
foreach(baseline bare-files bare-list bare-start bare-copy)
  add_executable(${baseline} EXCLUDE_FROM_ALL tools/bench/${baseline}.c)
  target_link_options(${baseline} PRIVATE -municode)
  set_target_properties(${baseline} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/tools)
endforeach()
add_executable(bare-grid EXCLUDE_FROM_ALL tools/bench/bare-grid.cpp)
target_link_options(bare-grid PRIVATE -municode)
target_link_libraries(bare-grid PRIVATE comctl32 psapi)
set_target_properties(bare-grid PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/tools)
add_executable(bare-tags EXCLUDE_FROM_ALL tools/bench/bare-tags.cpp)
target_link_libraries(bare-tags PRIVATE reelmark_taglib)
set_target_properties(bare-tags PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/tools)
add_executable(window-timer EXCLUDE_FROM_ALL tools/bench/window-timer.c)
target_link_libraries(window-timer PRIVATE psapi)
set_target_properties(window-timer PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/tools)

# End to end: the real program started in an empty folder, closed with
# WM_CLOSE by a small helper, and the files it leaves checked by a script.
add_executable(reelmark-probe tests/tools/reelmark-probe.c)
set_target_properties(reelmark-probe PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/tools)
target_link_libraries(reelmark-probe PRIVATE ole32 uuid)
add_dependencies(reelmark-probe Reelmark wine-keepalive)
add_test(NAME ReelmarkSmoke.StartsAndClosesWritingItsFiles
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/tools/smoke-test.sh ${CMAKE_CURRENT_BINARY_DIR})
set_tests_properties(ReelmarkSmoke.StartsAndClosesWritingItsFiles PROPERTIES TIMEOUT 60)
add_test(NAME ReelmarkSmoke.TheFilePickerMovesNoFileOfTheProgram
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/tools/picker-test.sh ${CMAKE_CURRENT_BINARY_DIR})
set_tests_properties(ReelmarkSmoke.TheFilePickerMovesNoFileOfTheProgram PROPERTIES TIMEOUT 90)
add_test(NAME ReelmarkSmoke.TheCommandLineProgramTakesAndPrintsEveryScript
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/tools/cli-unicode-test.sh ${CMAKE_CURRENT_BINARY_DIR})
set_tests_properties(ReelmarkSmoke.TheCommandLineProgramTakesAndPrintsEveryScript PROPERTIES TIMEOUT 60)
add_test(NAME ReelmarkSmoke.FourCommandLineRunsAtOnceLogEveryLineWhole
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/tools/log-appenders-test.sh wine ${CMAKE_CURRENT_BINARY_DIR})
set_tests_properties(ReelmarkSmoke.FourCommandLineRunsAtOnceLogEveryLineWhole PROPERTIES TIMEOUT 90)
# The Windows watch under Wine: SIGINT stops it cleanly, as the help says.
add_test(NAME ReelmarkSmoke.TheWatchUnderWineStopsCleanlyAtSigint
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/tools/wine-watch-stop-test.sh ${CMAKE_CURRENT_BINARY_DIR})
set_tests_properties(ReelmarkSmoke.TheWatchUnderWineStopsCleanlyAtSigint PROPERTIES TIMEOUT 90)
# The native reelmark-cli (./test.sh builds it first) writes what this one writes.
set(REELMARK_NATIVE_CLI ${CMAKE_CURRENT_SOURCE_DIR}/build-native/reelmark-cli CACHE FILEPATH
  "The native reelmark-cli that the two-build test compares with")
add_test(NAME ReelmarkSmoke.NativeAndWindowsCommandLineProgramsWriteTheSameBytes
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/tools/cli-both-builds-test.sh ${CMAKE_CURRENT_BINARY_DIR}
          ${REELMARK_NATIVE_CLI})
set_tests_properties(ReelmarkSmoke.NativeAndWindowsCommandLineProgramsWriteTheSameBytes PROPERTIES TIMEOUT 60
  SKIP_RETURN_CODE 77)
# Build check: no ANSI text function is imported by the programs.
add_test(NAME ReelmarkBuild.ProgramsCallOnlyWideTextFunctions
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/tools/wide-imports-test.sh ${CMAKE_OBJDUMP}
          $<TARGET_FILE:Reelmark> $<TARGET_FILE:reelmark-cli> $<TARGET_FILE:hhviewer>)

# ---------------------------------------------------------------------------
# Help files: the compiled help document (res/help/ compiled with chmcmd) and
# the help viewer hh.exe (tools/hhviewer/), both built into res/ of the build
# tree, from where res/help.rc embeds them as resources 170 and 180.
set(REELMARK_HELP_OUT ${CMAKE_CURRENT_BINARY_DIR}/res)
find_program(CHMCMD chmcmd REQUIRED)
file(GLOB REELMARK_HELP_SOURCES CONFIGURE_DEPENDS res/help/*)
add_custom_command(OUTPUT ${REELMARK_HELP_OUT}/Reelmark.chm
  COMMAND ${CMAKE_COMMAND} -DCHMCMD=${CHMCMD} -DPROJECT=${CMAKE_CURRENT_SOURCE_DIR}/res/help/Reelmark.hhp
          -DOUTPUT=${REELMARK_HELP_OUT}/Reelmark.chm -DPROJECT_VERSION=${PROJECT_VERSION}
          -P ${CMAKE_CURRENT_SOURCE_DIR}/res/help/compile-help.cmake
  DEPENDS ${REELMARK_HELP_SOURCES} ${REELMARK_GENERATED}/core/settings/Version.h
  COMMENT "Compiling help document Reelmark.chm")
add_custom_target(reelmark_help_document DEPENDS ${REELMARK_HELP_OUT}/Reelmark.chm)

add_executable(hhviewer WIN32 tools/hhviewer/hhviewer.c)
set_target_properties(hhviewer PROPERTIES OUTPUT_NAME hh RUNTIME_OUTPUT_DIRECTORY ${REELMARK_HELP_OUT})
# Stripped: it is carried inside every program that embeds it.
target_link_options(hhviewer PRIVATE -s)

# Every program that compiles the resource script carries both files, so its
# resources are rebuilt when either changes.
set_property(SOURCE ${REELMARK_RC} APPEND PROPERTY OBJECT_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/res/help.rc ${REELMARK_HELP_OUT}/Reelmark.chm ${REELMARK_HELP_OUT}/hh.exe)
get_property(reelmark_targets DIRECTORY PROPERTY BUILDSYSTEM_TARGETS)
foreach(target ${reelmark_targets})
  get_target_property(target_sources ${target} SOURCES)
  if(REELMARK_RC IN_LIST target_sources)
    add_dependencies(${target} reelmark_help_document hhviewer)
  endif()
endforeach()
# ---------------------------------------------------------------------------

# Release packages (cmake --build build --target package) and their test.
include(cmake/Packaging.cmake)
