# Installation: the programs in bin/, their shared files in share/coinwright/,
# the desktop entry and the icons, under the prefix (~/.local unless told
# otherwise; /usr for the package). The build folder gets the same shape, so
# that the programs find each other and their files the same way from a build,
# a user installation and the package (src/base/install_layout.h).
#
# Included after src/, when every program target exists.

# The programs, all in bin/: they find each other beside themselves, Patchwell
# is also a command for scripts (`patchwell start --yes`), and an update lists
# them under the same relative paths for every prefix.
set(CW_PROGRAMS coinwright coinwright-cli patchwell relaymate coinwright-print)

set(CW_SHARE_SOURCE ${PROJECT_SOURCE_DIR}/share)
set(CW_SHARE_BUILD ${PROJECT_BINARY_DIR}/share/coinwright)

# Every file an installation holds, relative to the prefix, in
# share/coinwright/MANIFEST: the release tool builds an update site from it and
# uninstalling removes what it lists.
set(CW_MANIFEST share/coinwright/MANIFEST)

foreach(program IN LISTS CW_PROGRAMS)
  if(NOT TARGET ${program})
    continue()
  endif()
  install(TARGETS ${program} RUNTIME DESTINATION bin)
  list(APPEND CW_MANIFEST bin/${program})
  # The build folder's bin/ links to the program where its folder built it.
  get_target_property(program_dir ${program} BINARY_DIR)
  file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
  file(CREATE_LINK ${program_dir}/${program} ${PROJECT_BINARY_DIR}/bin/${program} SYMBOLIC)
endforeach()

# share/coinwright: the committed files, and VERSION, which the build writes.
install(DIRECTORY ${CW_SHARE_SOURCE}/coinwright/ DESTINATION share/coinwright)
install(FILES ${CW_SHARE_BUILD}/VERSION ${CW_SHARE_BUILD}/MANIFEST DESTINATION share/coinwright)
list(APPEND CW_MANIFEST share/coinwright/VERSION)
file(GLOB_RECURSE shared_files RELATIVE ${PROJECT_SOURCE_DIR} CONFIGURE_DEPENDS ${CW_SHARE_SOURCE}/coinwright/*)
list(APPEND CW_MANIFEST ${shared_files})
# The build folder links the committed top-level entries beside its VERSION.
file(GLOB shared_entries RELATIVE ${CW_SHARE_SOURCE}/coinwright CONFIGURE_DEPENDS ${CW_SHARE_SOURCE}/coinwright/*)
foreach(entry IN LISTS shared_entries)
  file(CREATE_LINK ${CW_SHARE_SOURCE}/coinwright/${entry} ${CW_SHARE_BUILD}/${entry} SYMBOLIC)
endforeach()

# Icons: the program's SVG as the scalable one, and the rendered PNG sizes.
install(FILES ${CW_SHARE_SOURCE}/coinwright/coinwright.svg DESTINATION share/icons/hicolor/scalable/apps)
list(APPEND CW_MANIFEST share/icons/hicolor/scalable/apps/coinwright.svg)
install(DIRECTORY ${CW_SHARE_SOURCE}/icons/ DESTINATION share/icons)
file(GLOB_RECURSE icon_files RELATIVE ${PROJECT_SOURCE_DIR} CONFIGURE_DEPENDS ${CW_SHARE_SOURCE}/icons/*)
list(APPEND CW_MANIFEST ${icon_files})

# The desktop entry starts the program by its full path, which is known only
# when installing (`cmake --install --prefix`, the package's /usr). It is
# written straight into the prefix: installs into two prefixes at once (tests)
# must not share a file.
install(CODE "
  set(CW_INSTALLED_PROGRAM \"\${CMAKE_INSTALL_PREFIX}/bin/coinwright\")
  set(entry \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/applications/coinwright.desktop\")
  message(STATUS \"Installing: \${entry}\")
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/applications\")
  configure_file(\"${CW_SHARE_SOURCE}/applications/coinwright.desktop.in\" \"\${entry}\" @ONLY)")
list(APPEND CW_MANIFEST share/applications/coinwright.desktop)

list(SORT CW_MANIFEST)
list(JOIN CW_MANIFEST "\n" manifest_text)
file(CONFIGURE OUTPUT ${CW_SHARE_BUILD}/MANIFEST CONTENT "${manifest_text}\n")

