# placemove_add_test(<name> SOURCES <files...> LIBRARIES <libraries...>)
# One GoogleTest executable, run by CTest natively or under Wine.
function(placemove_add_test name)
  cmake_parse_arguments(TEST "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${TEST_SOURCES})
  target_link_libraries(${name} PRIVATE ${TEST_LIBRARIES} testsupport gtest_main)
  target_compile_options(${name} PRIVATE ${PLACEMOVE_WARNINGS})
  add_test(NAME ${name} COMMAND ${name})
endfunction()
