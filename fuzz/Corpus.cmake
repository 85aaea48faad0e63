# placemove_corpus(<test> <corpus>) gives the test the folder of the fuzz
# corpus fuzz/corpus/<corpus> as the text PLACEMOVE_CORPUS. The Windows
# build's tests run under Wine, which shows the Unix root as drive Z:.
function(placemove_corpus test corpus)
  set(folder "${PROJECT_SOURCE_DIR}/fuzz/corpus/${corpus}")
  if(PLACEMOVE_WINDOWS)
    string(REPLACE "/" "\\\\" folder "Z:${folder}")
  endif()
  target_compile_definitions(${test} PRIVATE "PLACEMOVE_CORPUS=\"${folder}\"")
endfunction()
