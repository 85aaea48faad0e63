# placemove_corpus(<test> <corpus>) gives the test the folder of the fuzz
# corpus fuzz/corpus/<corpus> as the text PLACEMOVE_CORPUS. The Windows
# build's tests run under Wine, which shows the Unix root as drive Z:.
# A test the build does not make (the WebAssembly build's) needs none.
function(placemove_corpus test corpus)
  if(NOT TARGET ${test})
    return()
  endif()
  set(folder "${PROJECT_SOURCE_DIR}/fuzz/corpus/${corpus}")
  if(PLACEMOVE_WINDOWS)
    string(REPLACE "/" "\\\\" folder "Z:${folder}")
  endif()
  target_compile_definitions(${test} PRIVATE "PLACEMOVE_CORPUS=\"${folder}\"")
endfunction()
