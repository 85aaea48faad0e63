# The 64-bit Windows build, for 64-bit Windows and for Wine where 32-bit
# programs cannot run.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLET x86_64-w64-mingw32)
set(PLACEMOVE_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
