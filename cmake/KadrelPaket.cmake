# The Debian package (scripts/package.sh runs cpack): the programs, help page,
# desktop entry, MIME type, icons, man pages, AppStream metainfo, the example
# and the files Debian's policy asks of every package, all under /usr.
include(GNUInstallDirs)
set(KADREL_RES ${CMAKE_SOURCE_DIR}/resources)
set(KADREL_PAKET ${CMAKE_BINARY_DIR}/paket)
set(KADREL_DOC ${CMAKE_INSTALL_DATADIR}/doc/kadrel)

# Man pages and the changelog go in compressed, reproducibly (-n: no name, no time).
find_program(KADREL_GZIP gzip REQUIRED)
set(kadrel_komprimiert)
foreach(quelle man/kadrel.1 man/kadrel-cli.1 debian/changelog)
  get_filename_component(name ${quelle} NAME)
  add_custom_command(
    OUTPUT ${KADREL_PAKET}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KADREL_PAKET}
    COMMAND sh -c "${KADREL_GZIP} -9nc '${KADREL_RES}/${quelle}' > '${KADREL_PAKET}/${name}.gz'"
    DEPENDS ${KADREL_RES}/${quelle}
    VERBATIM)
  list(APPEND kadrel_komprimiert ${KADREL_PAKET}/${name}.gz)
endforeach()

# The bitmap icons are rendered from the one drawing at build time.
find_program(KADREL_RSVG rsvg-convert)
set(kadrel_symbole)
if(KADREL_RSVG)
  foreach(groesse 48 256)
    set(png ${KADREL_PAKET}/icons/${groesse}x${groesse}/kadrel.png)
    add_custom_command(
      OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${KADREL_PAKET}/icons/${groesse}x${groesse}
      COMMAND ${KADREL_RSVG} -w ${groesse} -h ${groesse} -o ${png} ${KADREL_RES}/symbole/kadrel.svg
      DEPENDS ${KADREL_RES}/symbole/kadrel.svg
      VERBATIM)
    list(APPEND kadrel_symbole ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${groesse}x${groesse}/apps)
  endforeach()
else()
  message(STATUS "rsvg-convert (librsvg2-bin) not found: the package gets no PNG icons")
endif()
add_custom_target(kadrel_paketdateien ALL DEPENDS ${kadrel_komprimiert} ${kadrel_symbole})

install(FILES ${KADREL_PAKET}/kadrel.1.gz ${KADREL_PAKET}/kadrel-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${KADREL_RES}/de.kadrel.Kadrel.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KADREL_RES}/debian/copyright ${KADREL_PAKET}/changelog.gz DESTINATION ${KADREL_DOC})
install(FILES ${CMAKE_SOURCE_DIR}/examples/beispiel.kdr ${CMAKE_SOURCE_DIR}/examples/beispiel.txt
        DESTINATION ${KADREL_DOC}/examples)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kadrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kadrel-Entwicklung")
set(CPACK_PACKAGE_CONTACT "Kadrel-Entwicklung <kadrel@kadrel.de>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                                WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kadrel-Entwicklung <kadrel@kadrel.de>")
# Dependencies come from the binaries, not from a hand-written list.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The charts' fonts and the toolkit's German dialog texts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "capillary-pressure evaluation of rock cores")
set(CPACK_PACKAGE_DESCRIPTION
    "Kadrel evaluates mercury-injection capillary-pressure measurements on rock
cores: it normalises every curve, fits the parameters Alfa and Beta,
correlates them with the permeability and builds a family of curves for
0.01 to 100 mD. Laboratory tables are imported directly, results are
printed or exported as text and CSV. The package holds the desktop program
kadrel and the batch program kadrel-cli.")
include(CPack)
