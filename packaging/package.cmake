# What a desktop install needs beyond the program, its desktop entry and its icons (the man
# page, the bash completion, the AppStream metainfo, the Debian documents), and the Debian
# package that scripts/package.sh makes with CPack from the build already made.

set(TORIBE_RELEASE_DATE 2026-12-08)  # the day the version was last raised
set(TORIBE_MAINTAINER "Toribe developers <toribe@toribe.jp>")
set(package_out ${CMAKE_BINARY_DIR}/packaging)

configure_file(${CMAKE_CURRENT_LIST_DIR}/jp.toribe.Toribe.metainfo.xml.in
               ${package_out}/jp.toribe.Toribe.metainfo.xml @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/toribe.1.in ${package_out}/toribe.1 @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${package_out}/changelog @ONLY)
# Debian wants the man page and the changelog compressed, reproducibly (-n: no name, no time).
add_custom_command(OUTPUT ${package_out}/toribe.1.gz ${package_out}/changelog.gz
                   COMMAND gzip -9nkf toribe.1 changelog
                   DEPENDS ${package_out}/toribe.1 ${package_out}/changelog
                   WORKING_DIRECTORY ${package_out})
add_custom_target(toribe_documents DEPENDS ${package_out}/toribe.1.gz ${package_out}/changelog.gz)
add_dependencies(toribe toribe_documents)
# Everything the install takes: the program and the modules it loads (scripts/package.sh).
get_property(loadable_modules GLOBAL PROPERTY toribe_modules)
add_custom_target(toribe_installed)
add_dependencies(toribe_installed toribe ${loadable_modules})

install(FILES ${package_out}/jp.toribe.Toribe.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${package_out}/toribe.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/toribe.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME toribe)
install(FILES resources/app/toribe.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${package_out}/changelog.gz ${CMAKE_CURRENT_LIST_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Tests of the install as Debian and a desktop see it; they need dpkg, lintian and the validators.
add_test(NAME package COMMAND ${CMAKE_SOURCE_DIR}/tests/package/check_package.sh ${CMAKE_SOURCE_DIR}
                              ${CMAKE_BINARY_DIR})
add_test(NAME commands_documented
         COMMAND ${CMAKE_SOURCE_DIR}/tests/package/check_commands_documented.sh $<TARGET_FILE:toribe>
                 ${package_out}/toribe.1 ${CMAKE_CURRENT_LIST_DIR}/toribe.bash-completion)
set_tests_properties(package commands_documented PROPERTIES LABELS once TIMEOUT 300)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME toribe)
set(CPACK_PACKAGE_CONTACT "${TORIBE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Japanese month calendar with memos and small tools")
set(CPACK_PACKAGE_DESCRIPTION
    "A Japanese desktop organiser for one person: a month calendar that marks\n"
    "the national holidays of Japan, your own holidays, anniversaries and day\n"
    "memos, with a clock, one search over all the data and a desktop notice of\n"
    "the days ahead. Tool windows: a calculator with unit conversion and a\n"
    "periodic table, time arithmetic, era years, a pocket-money ledger, business\n"
    "cards, an address book, a gift record, a numbers game, baseball standings\n"
    "and dice. Every text of the program is Japanese.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://toribe.jp/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Debian has no virtual package for a Secret Service provider: GNOME's keyring first, KDE's
# wallet daemon as the other.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-ipafont-gothic, fonts-ipafont-mincho, qt6-translations-l10n, qt6-wayland, gnome-keyring | libkf5wallet-bin")
include(CPack)
