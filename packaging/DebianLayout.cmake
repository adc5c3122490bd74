# Runs inside cpack, on the staged files, before the .deb is made. Debian keeps games in
# /usr/games (lintian refuses section "games" without it), while a plain cmake --install
# puts them in <prefix>/bin. The game finds its folder from either (../share/veltrane).
set(_usr "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT IS_DIRECTORY "${_usr}/bin")
  message(FATAL_ERROR "no programs staged in ${_usr}/bin")
endif()
file(MAKE_DIRECTORY "${_usr}/games")
file(GLOB _programs "${_usr}/bin/*")
foreach(_program ${_programs})
  get_filename_component(_name "${_program}" NAME)
  file(RENAME "${_program}" "${_usr}/games/${_name}")
endforeach()
file(REMOVE_RECURSE "${_usr}/bin")

# /usr/games is on the path of desktop sessions but not of every shell: name it in full.
set(_desktop "${_usr}/share/applications/veltrane.desktop")
file(READ "${_desktop}" _entry)
string(REGEX REPLACE "\nExec=([^\n]*)" "\nExec=${CPACK_PACKAGING_INSTALL_PREFIX}/games/\\1" _entry "${_entry}")
file(WRITE "${_desktop}" "${_entry}")
