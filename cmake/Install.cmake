# Where an installation puts things. KORAV finds PELIN, its installer and
# the help archive beside its own executable, so these share one private
# program folder; the commands in bin are links into it.
include(GNUInstallDirs)

set(ZE_KORAV_PROGRAM_DIR lib/zeiterfassung)
set(ZE_PELIN_PROGRAM_DIR lib/pelin)

# A relative link in bin to a program of a private folder; the link is made
# in the build folder and installed as it is.
function(ze_install_program_link name folder component)
  set(link ${CMAKE_BINARY_DIR}/install-links/${component}/${name})
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-links/${component})
  file(RELATIVE_PATH target /${CMAKE_INSTALL_BINDIR} /${folder}/${name})
  file(CREATE_LINK ${target} ${link} SYMBOLIC)
  install(FILES ${link} DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${component})
endfunction()

install(TARGETS korav pelin RUNTIME DESTINATION ${ZE_KORAV_PROGRAM_DIR} COMPONENT korav)
install(PROGRAMS ${PELIN_INSTALLER} DESTINATION ${ZE_KORAV_PROGRAM_DIR} COMPONENT korav)
install(FILES ${KORAV_HELP_ARCHIVE} DESTINATION ${ZE_KORAV_PROGRAM_DIR} COMPONENT korav)
install(TARGETS kvd RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT korav)
ze_install_program_link(korav ${ZE_KORAV_PROGRAM_DIR} korav)

install(TARGETS pelin RUNTIME DESTINATION ${ZE_PELIN_PROGRAM_DIR} COMPONENT pelin)
ze_install_program_link(pelin ${ZE_PELIN_PROGRAM_DIR} pelin)

foreach(program korav pelin)
  install(FILES data/${program}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT ${program})
  install(FILES data/icons/${program}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT ${program})
  install(FILES data/de.ruvo.${program}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
    COMPONENT ${program})
  install(FILES data/man/${program}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${program})
endforeach()
install(FILES data/man/kvd.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT korav)
