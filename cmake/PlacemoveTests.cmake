# placemove_add_test(<name> SOURCES <files...> LIBRARIES <libraries...>)
# One GoogleTest executable, run by CTest natively, under Wine, or under
# Node (the WebAssembly build, on the host's files as the native tests are).
# The WebAssembly build runs the tests of what the page runs: the reader,
# discovery and the bookmarks writer.
set(PLACEMOVE_WEB_TESTS CodePageTest BookmarksFileWriterTest BookmarksFileWriterFaultsTest BookmarksCorpusTest
    OrganizeFileTest OrganizeCorpusTest OrganizeBoundsTest OrganizeReportTest OrganizeMemoryTest OrganizeFaultTest
    AolLocatorTest ProfileDiscoveryTest)
function(placemove_add_test name)
  if(PLACEMOVE_WEB AND NOT name IN_LIST PLACEMOVE_WEB_TESTS)
    return()
  endif()
  cmake_parse_arguments(TEST "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${TEST_SOURCES})
  target_link_libraries(${name} PRIVATE ${TEST_LIBRARIES} testsupport gtest_main)
  target_compile_options(${name} PRIVATE ${PLACEMOVE_WARNINGS})
  if(PLACEMOVE_WEB)
    # Linked with the first level of emscripten's optimiser only: the
    # higher ones take most of the build's time.
    target_link_options(${name} PRIVATE -O1 -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1)
  endif()
  add_test(NAME ${name} COMMAND ${name})
endfunction()
