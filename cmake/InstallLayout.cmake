# Where things go on `cmake --install` (GNUInstallDirs), and the names the desktop knows the
# two windows by. Included before the sources, so the code can be told its data folder.
include(GNUInstallDirs)

# Reverse-DNS ids: desktop entry and icon file names, AppStream component ids, Qt's desktop file name.
set(TT_DRAVON_APP_ID org.transmittertools.dravon)
set(TT_PEMLIQ_APP_ID org.transmittertools.pemliq)

# Data files both programs read at run time (translations, ...): <prefix>/share/dravon when
# installed; a program that runs from the build folder reads the same layout under the build
# folder's share/dravon. TT_DATADIR_FROM_BINDIR finds the first from the program's own folder,
# so an installed tree can be moved (DESTDIR, /opt) and still finds its data.
set(TT_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/dravon)
set(TT_BUILD_DATADIR ${PROJECT_BINARY_DIR}/share/dravon)
file(RELATIVE_PATH TT_DATADIR_FROM_BINDIR ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/dravon)

# A data file goes to both places, e.g. the compiled translations:
#   set_source_files_properties(${ts} PROPERTIES OUTPUT_LOCATION ${TT_BUILD_DATADIR}/translations)
#   qt_add_lrelease(TARGET ... TS_FILES ${ts} QM_FILES_OUTPUT_VARIABLE qm)
#   install(FILES ${qm} DESTINATION ${TT_INSTALL_DATADIR}/translations)
# and the program finds the folder with gui::DataDirectory().
