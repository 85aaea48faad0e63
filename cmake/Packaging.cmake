# The packages a user downloads (cpack in the build folder): from the
# 32-bit Windows build a zip with both programs, the page placemove.html
# and a read-me, and the programs of the 64-bit build
# (PLACEMOVE_WINDOWS64_BUILD) in its folder 64-bit; natively, from the
# release build, a Debian package and a tarball with placemove-cli, its
# manual page and the page (in share/placemove). The read-me and the manual page
# carry the version of project(VERSION).
# A package needs only what it carries built, not the tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_PACKAGE_NAME placemove)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Copies AOL Favorite Places into a bookmarks file or a Favorites folder")
set(CPACK_PACKAGE_CONTACT "Placemove developers <placemove@example.org>")
set(PLACEMOVE_VERSION_TEXT ${CPACK_PACKAGE_VERSION})
set(packaging ${CMAKE_BINARY_DIR}/packaging)
# The page placemove.html of the web build (scripts/environment.sh:
# build_web), which every package carries beside the programs.
set(PLACEMOVE_PAGE "" CACHE FILEPATH "The page placemove.html of the web build, for the packages")
if(PLACEMOVE_WINDOWS)
  configure_file(packaging/README.txt.in ${packaging}/README.txt @ONLY)
  install(TARGETS Placemove placemove-cli RUNTIME DESTINATION .)
  install(FILES ${packaging}/README.txt DESTINATION .)
  if(PLACEMOVE_PAGE)
    install(FILES ${PLACEMOVE_PAGE} DESTINATION .)
  endif()
  set(PLACEMOVE_WINDOWS64_BUILD "" CACHE PATH "The 64-bit Windows build whose programs the zip of the 32-bit one carries")
  if(CMAKE_SIZEOF_VOID_P EQUAL 4 AND PLACEMOVE_WINDOWS64_BUILD)
    install(PROGRAMS ${PLACEMOVE_WINDOWS64_BUILD}/app/Placemove.exe ${PLACEMOVE_WINDOWS64_BUILD}/app/placemove-cli.exe
            DESTINATION 64-bit)
  endif()
  set(CPACK_GENERATOR ZIP)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(CPACK_SYSTEM_NAME win32)
  else()
    set(CPACK_SYSTEM_NAME win64)
  endif()
else()
  configure_file(packaging/placemove-cli.1.in ${packaging}/placemove-cli.1 @ONLY)
  install(TARGETS placemove-cli RUNTIME DESTINATION bin)
  install(FILES ${packaging}/placemove-cli.1 DESTINATION share/man/man1)
  if(PLACEMOVE_PAGE)
    install(FILES ${PLACEMOVE_PAGE} DESTINATION share/placemove)
  endif()
  set(CPACK_GENERATOR "DEB;TGZ")
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
endif()
include(CPack)
