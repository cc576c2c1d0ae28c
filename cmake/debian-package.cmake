# SPDX-License-Identifier: GPL-3.0-or-later
# What a Debian package needs beyond the programs: manual pages, the licence
# record, the changelog, the software-centre entry and lintian's overrides;
# and the CPack settings that build the .deb.
set(doc_dir share/doc/delvarin-chooser)
set(packed)
foreach(page docs/delvarin-chooser.1 docs/delvarin-list.1 resources/debian/changelog)
  get_filename_component(name ${page} NAME)
  set(out ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
  # -n keeps the name and time out, so the same page gives the same bytes.
  add_custom_command(OUTPUT ${out}
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/${page} > ${out}
    DEPENDS ${PROJECT_SOURCE_DIR}/${page} VERBATIM)
  list(APPEND packed ${out})
endforeach()
add_custom_target(packaging ALL DEPENDS ${packed})

install(FILES ${CMAKE_BINARY_DIR}/packaging/delvarin-chooser.1.gz
              ${CMAKE_BINARY_DIR}/packaging/delvarin-list.1.gz
        DESTINATION share/man/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz
              ${PROJECT_SOURCE_DIR}/resources/debian/copyright
        DESTINATION ${doc_dir})
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/lintian-overrides
        DESTINATION share/lintian/overrides RENAME delvarin-chooser)
install(FILES ${PROJECT_SOURCE_DIR}/resources/example.delvarin.Chooser.metainfo.xml
        DESTINATION share/metainfo)

# dpkg-shlibdeps finds the Qt libraries the program links, and with them the
# platform and picture plugins.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME delvarin-chooser)
set(CPACK_PACKAGE_VENDOR "Delvarin Chooser")
set(CPACK_PACKAGE_CONTACT "Delvarin Chooser maintainers <maintainers@delvarin.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Persian baby-name chooser by Abjad value and auspicious planet")
set(CPACK_PACKAGE_DESCRIPTION
"Delvarin Chooser helps parents choose a Persian given name for their baby.
Type the mother's name, say whether the child is a boy or a girl, and pick
one of the six auspicious planets of the tradition: the window lists every
name of its catalogue of 6174 approved Persian names whose Abjad value,
taken with the mother's name and an optional prefix, falls on that planet's
zodiac sign.

The window is entirely in Persian. The package also holds delvarin-list,
which prints the same lists from the command line.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.delvarin.example")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
