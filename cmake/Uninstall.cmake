# cmake -DPREFIX=DIR -P Uninstall.cmake: removes the Coinwright installation
# below DIR, the files its share/coinwright/MANIFEST lists and the updater's
# staging folder, then the folders that this leaves empty. The data home
# (~/.local/share/Coinwright: ledgers, backups, settings) is not part of an
# installation and stays.
if(NOT PREFIX)
  message(FATAL_ERROR "Say which installation: -DPREFIX=DIR")
endif()
set(manifest "${PREFIX}/share/coinwright/MANIFEST")
if(NOT EXISTS "${manifest}")
  message(FATAL_ERROR "No Coinwright installation in ${PREFIX} (${manifest} is missing)")
endif()

file(STRINGS "${manifest}" listed)
set(folders "")
foreach(file IN LISTS listed)
  # Only plain relative paths below the prefix are removed.
  if(file STREQUAL "" OR IS_ABSOLUTE "${file}" OR file MATCHES "(^|/)\\.\\.(/|$)")
    message(WARNING "Skipped ${file}: not a path below ${PREFIX}")
    continue()
  endif()
  if(EXISTS "${PREFIX}/${file}" OR IS_SYMLINK "${PREFIX}/${file}")
    message(STATUS "Removing ${PREFIX}/${file}")
    file(REMOVE "${PREFIX}/${file}")
  endif()
  get_filename_component(folder "${file}" DIRECTORY)
  while(folder AND NOT folder MATCHES "^(bin|share|share/applications|share/icons|share/icons/hicolor)$")
    list(APPEND folders "${folder}")
    get_filename_component(folder "${folder}" DIRECTORY)
  endwhile()
endforeach()

# The updater's staging folder (patchwell/install_places.h): downloads of a run
# that did not finish, or the updater's own file left for Relaymate.
if(IS_DIRECTORY "${PREFIX}/.coinwright-update")
  message(STATUS "Removing ${PREFIX}/.coinwright-update")
  file(REMOVE_RECURSE "${PREFIX}/.coinwright-update")
endif()

# Deepest first, so that a folder is empty when its turn comes.
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
foreach(folder IN LISTS folders)
  file(GLOB left "${PREFIX}/${folder}/*" "${PREFIX}/${folder}/.*")
  if(IS_DIRECTORY "${PREFIX}/${folder}" AND NOT left)
    file(REMOVE_RECURSE "${PREFIX}/${folder}")
  endif()
endforeach()
