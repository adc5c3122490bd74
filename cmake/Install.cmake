# Installing Veltrane like any Linux game, and packing it as a .deb.
#
#   <prefix>/bin/veltrane, veltrane-tool       the programs (/usr/games in the .deb)
#   <prefix>/share/veltrane/                   the program folder: scripts, pictures, sounds
#   <prefix>/share/applications/veltrane.desktop, share/metainfo/, share/icons/hicolor/
#   <prefix>/share/man/man6/, share/doc/veltrane/
#
# The game looks for its folder beside the executable first and in ../share/veltrane next, so the
# installed tree works under any prefix and the build tree keeps working as it is.
include(GNUInstallDirs)

set(VELTRANE_APP_ID invalid.veltrane.veltrane)
set(_packaging ${CMAKE_SOURCE_DIR}/packaging)
set(_staged ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${_staged})

# Permissions in the package do not depend on the umask of whoever built it.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(_data_permissions OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

# The icon set is painted by the asset generator like every other picture of the game.
set(_icons ${CMAKE_BINARY_DIR}/icons)
set(_icons_stamp ${_icons}/icons.stamp)
add_custom_command(OUTPUT ${_icons_stamp}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:veltrane-assetgen> --icons --out ${_icons} --threads 2
  COMMAND ${CMAKE_COMMAND} -E touch ${_icons_stamp}
  DEPENDS veltrane-assetgen
  COMMENT "Painting the desktop icon"
  VERBATIM)
add_custom_target(veltrane_icons ALL DEPENDS ${_icons_stamp})

# Manual pages and the changelog ship compressed, reproducibly (no name, no time stamp).
find_program(GZIP_EXECUTABLE gzip REQUIRED)
set(_compressed)
foreach(_doc veltrane.6 veltrane-tool.6 changelog)
  set(_out ${_staged}/${_doc}.gz)
  add_custom_command(OUTPUT ${_out}
    COMMAND ${GZIP_EXECUTABLE} -9nc ${_packaging}/${_doc} > ${_out}
    DEPENDS ${_packaging}/${_doc})
  list(APPEND _compressed ${_out})
endforeach()
add_custom_target(veltrane_docs ALL DEPENDS ${_compressed})

install(TARGETS veltrane veltrane-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Everything built into the program folder except the programs themselves.
install(DIRECTORY ${VELTRANE_PROGRAM_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/veltrane
  FILE_PERMISSIONS ${_data_permissions}
  PATTERN "veltrane" EXCLUDE
  PATTERN "veltrane-tool" EXCLUDE
  PATTERN ".*" EXCLUDE)

install(FILES ${_packaging}/veltrane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
  PERMISSIONS ${_data_permissions})
install(FILES ${_packaging}/${VELTRANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
  PERMISSIONS ${_data_permissions})
install(DIRECTORY ${_icons}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
  FILE_PERMISSIONS ${_data_permissions}
  PATTERN "*.stamp" EXCLUDE)
install(FILES ${_staged}/veltrane.6.gz ${_staged}/veltrane-tool.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6
  PERMISSIONS ${_data_permissions})
install(FILES ${_packaging}/copyright ${_staged}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/veltrane
  PERMISSIONS ${_data_permissions})

# cpack -G DEB in the build folder (scripts/package.sh builds Release first).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veltrane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Veltrane developers")
set(CPACK_PACKAGE_CONTACT "The Veltrane developers <dev@veltrane.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "space exploration and trading game")
set(CPACK_PACKAGE_DESCRIPTION
  "Captain a ship of the SERO through a freshly generated galaxy of four sectors
with 150 star systems each. Fly between systems, scan them, land on planets,
collect artefacts, power packs and alien modules, trade in capital cities,
upgrade your ship, carry passengers and freight, and bring the four artefacts
the headquarter ordered to wherever the headquarter happens to be.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt draws no text without any font; Liberation is the one the build paints with. The sound
# library (libSDL2_mixer-2.0.so.0) is opened at run time, so shlibdeps cannot see it, and the game
# plays silently without it: recommended, not required.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, libsdl2-mixer-2.0-0")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PRE_BUILD_SCRIPTS ${_packaging}/DebianLayout.cmake)
include(CPack)

# The ordinary tests install into a throw-away folder and start the installed game once.
if(VELTRANE_TESTS)
  add_test(NAME Install.InstalledGameStartsAndFindsItsFolder
    COMMAND ${CMAKE_SOURCE_DIR}/tests/install/install-check.sh ${CMAKE_BINARY_DIR} ${VELTRANE_APP_ID}
          ${CMAKE_COMMAND})
  set_tests_properties(Install.InstalledGameStartsAndFindsItsFolder PROPERTIES
    TIMEOUT 120 RUN_SERIAL TRUE)
endif()
