# Part of make install: the Windows editor under lib/lumigrid with the
# lumigrid launcher, its desktop entry and icons, when the win64 tree has
# built the editor. The variables come from packaging/CMakeLists.txt.
set(editor ${LUMIGRID_EDITOR_TREE}/bin/lumigrid.exe)
if(NOT EXISTS ${editor})
  message(STATUS "No ${editor}: the editor and its launcher are left out (make win64 builds it)")
  return()
endif()
# The launcher finds the editor beside its own folder: ../lib/lumigrid.
file(INSTALL ${editor} ${LUMIGRID_EDITOR_TREE}/bin/Panekit.dll
  DESTINATION ${CMAKE_INSTALL_PREFIX}/lib/lumigrid)
file(INSTALL ${LUMIGRID_SCRIPTS}/wine-prefix.sh DESTINATION ${CMAKE_INSTALL_PREFIX}/lib/lumigrid
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(INSTALL ${LUMIGRID_PACKAGING}/lumigrid DESTINATION ${CMAKE_INSTALL_PREFIX}/${LUMIGRID_BINDIR}
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(INSTALL ${LUMIGRID_PACKAGING}/lumigrid.desktop DESTINATION ${CMAKE_INSTALL_PREFIX}/${LUMIGRID_DATADIR}/applications)
foreach(size IN ITEMS 16x16 32x32 48x48)
  file(INSTALL ${LUMIGRID_ICONS}/${size}/lumigrid.png
    DESTINATION ${CMAKE_INSTALL_PREFIX}/${LUMIGRID_DATADIR}/icons/hicolor/${size}/apps)
endforeach()
