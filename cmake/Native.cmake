# The native build: reelmark-cli for Linux (and other POSIX systems), the
# core, platform and command-line tests, and with clang the fuzz targets.
# XML is read by Expat (src/platform/posix/Xml.cpp).
find_package(EXPAT REQUIRED)
target_link_libraries(reelmark_platform PUBLIC EXPAT::EXPAT)
# The hash that proves a file the program's own (src/platform/posix/ContentHash.cpp).
find_path(NETTLE_INCLUDE_DIR nettle/sha2.h REQUIRED)
find_library(NETTLE_LIBRARY nettle REQUIRED)
target_include_directories(reelmark_platform PRIVATE ${NETTLE_INCLUDE_DIR})
target_link_libraries(reelmark_platform PUBLIC ${NETTLE_LIBRARY})
# HTTP is libcurl's (src/platform/posix/Http.cpp): Debian's libcurl4-openssl-dev.
find_package(CURL REQUIRED)
target_link_libraries(reelmark_platform PUBLIC CURL::libcurl)

add_executable(reelmark-cli src/cli/main.cpp)
target_link_libraries(reelmark-cli PRIVATE reelmark_cli)

# The bare read of tags that scripts/benchmark.sh sets show's figures beside.
add_executable(bare-tags EXCLUDE_FROM_ALL tools/bench/bare-tags.cpp)
target_link_libraries(bare-tags PRIVATE reelmark_taglib)

if(REELMARK_TESTS)
  set(reelmark_test_libraries_core reelmark_test_base)
  set(reelmark_test_libraries_platform reelmark_test_base)
  set(reelmark_test_libraries_cli reelmark_test_base reelmark_cli)
  foreach(area platform core cli)
    file(GLOB area_tests CONFIGURE_DEPENDS tests/${area}/*.cpp)
    add_executable(test_${area} ${area_tests})
    target_link_libraries(test_${area} PRIVATE ${reelmark_test_libraries_${area}} ${REELMARK_GTEST_MAIN})
    gtest_discover_tests(test_${area} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
      PROPERTIES TIMEOUT 60 ENVIRONMENT "${REELMARK_TEST_ENVIRONMENT}")
  endforeach()

  # Not a test: TMDB on 127.0.0.1 for scripts/benchmark.sh.
  add_executable(tmdb-fake-server EXCLUDE_FROM_ALL tests/bench/tmdb_fake_server.cpp)
  target_link_libraries(tmdb-fake-server PRIVATE reelmark_test_base)

  # Fuzz targets (libFuzzer, clang only): each runs a few seconds as a test;
  # scripts/fuzz.sh runs one for longer. Found inputs land in the build tree.
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    set(REELMARK_FUZZ_SECONDS 5 CACHE STRING "How long each fuzz target runs as a test")
    if(REELMARK_SANITIZE)
      # The fuzzers see the code they drive only when it reports its coverage;
      # the sanitizers' runtime answers those reports in the other programs.
      target_compile_options(reelmark_platform PRIVATE -fsanitize=fuzzer-no-link)
      target_compile_options(reelmark_core PRIVATE -fsanitize=fuzzer-no-link)
      target_compile_options(reelmark_taglib PRIVATE -fsanitize=fuzzer-no-link)
    endif()
    # The tag reader starts from the tagged movies of the tests.
    set(reelmark_fuzz_seeds_movie_tags ${CMAKE_CURRENT_SOURCE_DIR}/tests/data/tags)
    file(GLOB reelmark_fuzz_sources CONFIGURE_DEPENDS tests/fuzz/*.cpp)
    foreach(source ${reelmark_fuzz_sources})
      get_filename_component(name ${source} NAME_WE)
      add_executable(fuzz_${name} ${source})
      target_compile_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
      target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
      target_link_libraries(fuzz_${name} PRIVATE reelmark_core)
      file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/fuzz/${name})
      add_test(NAME Fuzz.${name}
        COMMAND fuzz_${name} -max_total_time=${REELMARK_FUZZ_SECONDS} -print_final_stats=1
                ${CMAKE_CURRENT_BINARY_DIR}/fuzz/${name} ${reelmark_fuzz_seeds_${name}}
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/fuzz)
      set_tests_properties(Fuzz.${name} PROPERTIES TIMEOUT 120)
    endforeach()
  endif()

  # reelmark-cli says and writes byte for byte what it did when
  # tests/tools/cli-same-output.expected was made, over one library of every kind.
  add_test(NAME CliOutput.SaysAndWritesWhatItDidBefore
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/tools/cli-same-output-test.sh $<TARGET_FILE:reelmark-cli>)

  # Four runs at once append to one Reelmark.log and lose or mix no line.
  add_test(NAME CliLog.FourRunsAtOnceLogEveryLineWhole
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/tools/log-appenders-test.sh native $<TARGET_FILE:reelmark-cli>)

  # The help file's command-line page and the README describe the options and
  # exit codes the program has.
  add_test(NAME Docs.HelpPageAndReadmeAgreeWithTheCommandLineProgram
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/tools/docs-test.sh $<TARGET_FILE:reelmark-cli>)

  # Each menu command's id names one command.
  add_test(NAME Resources.EachCommandIdNamesOneCommand
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/tools/command-ids-test.sh)

  # The Debian package, built afresh in a release build of its own, its files,
  # lintian's verdict, and dpkg installing and removing it (skipped where
  # dpkg is missing).
  add_test(NAME DebianPackage.BuildsChecksInstallsAndRemoves
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/tools/deb-test.sh ${CMAKE_CURRENT_BINARY_DIR}/deb-build
            ${PROJECT_VERSION} ${CMAKE_C_COMPILER} ${CMAKE_CXX_COMPILER})
  set_tests_properties(DebianPackage.BuildsChecksInstallsAndRemoves PROPERTIES TIMEOUT 900 SKIP_RETURN_CODE 77 COST 1000)
endif()

# The Debian package: cmake --build build-native --target package (from a
# release build; tests/tools/deb-test.sh makes one).
include(cmake/DebianPackage.cmake)
