# What an installed copy holds, and the Debian package made from it (`make package`).
#
#   bin/cantaro, bin/tabulist
#   share/cantaro/               INI/cantaro.ini, translations cantaro.<code>, logo, examples/,
#                                chord-model.txt (the learned chord model)
#   share/applications/          cantaro.desktop
#   share/icons/hicolor/         the scalable icon and PNGs from 16 to 256 pixels
#   share/metainfo/              the AppStream description
#   share/man/[LANG/]man1/       cantaro.1.gz, from the same texts as `cantaro --help`
#   share/doc/cantaro/           manual.html (README.md rendered), copyright, changelog.gz
#
# The program finds share/cantaro relative to itself (settings/DataFolders.h), so the prefix is
# free; DESTDIR works as usual. The build tree holds the same generated files in bin/.

include(GNUInstallDirs)

set(CANTARO_APP_ID "org.cantaro.Cantaro")
set(_bin "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
set(_share "${CMAKE_INSTALL_DATADIR}/cantaro")
set(_doc "${CMAKE_INSTALL_DATADIR}/doc/cantaro")

# ---- The programs and their data ---------------------------------------------------------
install(TARGETS cantaro tabulist RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(FILES INI/cantaro.ini DESTINATION "${_share}/INI")
install(FILES data/chord-model.txt DESTINATION "${_share}")
install(FILES "${_bin}/cantaro.ENU" "${_bin}/cantaro.BEL" "${_bin}/cantaro.ITA" ui/logocto.bmp DESTINATION "${_share}")
install(FILES examples/README.md examples/korobeiniki.kar examples/mary-had-a-little-lamb.mid examples/minuet-in-g.mid
        DESTINATION "${_share}/examples")

# ---- Desktop integration -----------------------------------------------------------------
install(FILES data/cantaro.desktop DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES data/icons/cantaro.svg DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
find_program(CANTARO_RSVG_CONVERT rsvg-convert)
if(CANTARO_RSVG_CONVERT)
  set(_pngs "")
  foreach(size 16 22 24 32 48 64 128 256)
    set(_png "${CMAKE_BINARY_DIR}/icons/${size}x${size}/cantaro.png")
    add_custom_command(OUTPUT "${_png}"
      COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_BINARY_DIR}/icons/${size}x${size}"
      COMMAND "${CANTARO_RSVG_CONVERT}" -w ${size} -h ${size} -o "${_png}" "${CMAKE_SOURCE_DIR}/data/icons/cantaro.svg"
      DEPENDS "${CMAKE_SOURCE_DIR}/data/icons/cantaro.svg"
      COMMENT "Icon ${size}x${size}")
    list(APPEND _pngs "${_png}")
    install(FILES "${_png}" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps")
  endforeach()
  add_custom_target(cantaro_icons ALL DEPENDS ${_pngs})
else()
  message(WARNING "rsvg-convert is missing (Debian: librsvg2-bin): only the scalable icon is installed")
endif()

# AppStream: the web address and a screenshot beside it only when the build has an address.
set(CANTARO_METAINFO_URLS "")
set(CANTARO_METAINFO_SCREENSHOTS "")
if(CANTARO_HOMEPAGE_URL)
  string(REGEX REPLACE "/+$" "" _home "${CANTARO_HOMEPAGE_URL}")
  set(CANTARO_METAINFO_URLS "  <url type=\"homepage\">${CANTARO_HOMEPAGE_URL}</url>\n")
  set(CANTARO_METAINFO_SCREENSHOTS
      "  <screenshots>\n    <screenshot type=\"default\">\n      <caption>The chords of a karaoke song found beat by beat</caption>\n      <image>${_home}/doc/screenshot.png</image>\n    </screenshot>\n  </screenshots>\n")
endif()
configure_file(data/cantaro.metainfo.xml.in "${CMAKE_BINARY_DIR}/${CANTARO_APP_ID}.metainfo.xml" @ONLY)
install(FILES "${CMAKE_BINARY_DIR}/${CANTARO_APP_ID}.metainfo.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

# ---- Manual page: cantaro(1) in English, and in Russian, Belarusian and Italian ----------------
add_library(cantaro_manpage_lib STATIC tools/manpage/ManPage.cpp)
target_include_directories(cantaro_manpage_lib PUBLIC "${CMAKE_SOURCE_DIR}")
add_executable(cantaro_manpage tools/manpage/main.cpp)
target_link_libraries(cantaro_manpage PRIVATE cantaro_manpage_lib cantaro_base Qt6::Core)
set(_manpages "")
foreach(lang en ru be it)
  if(lang STREQUAL "en")
    set(_dir "man/man1")
  else()
    set(_dir "man/${lang}/man1")
  endif()
  set(_page "${CMAKE_BINARY_DIR}/${_dir}/cantaro.1")
  set(_qm "")
  if(lang STREQUAL "en")
    set(_qm "${_bin}/cantaro.ENU")
  elseif(lang STREQUAL "be")
    set(_qm "${_bin}/cantaro.BEL")
  elseif(lang STREQUAL "it")
    set(_qm "${_bin}/cantaro.ITA")
  endif()
  add_custom_command(OUTPUT "${_page}.gz"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_BINARY_DIR}/${_dir}"
    COMMAND cantaro_manpage "${_page}" "${PROJECT_VERSION}" "${CANTARO_RELEASE_DATE}"
            "${CMAKE_INSTALL_FULL_DATADIR}/cantaro" "${CMAKE_INSTALL_FULL_DATADIR}/doc/cantaro/manual.html" ${_qm}
    COMMAND gzip -9nf "${_page}"
    DEPENDS cantaro_manpage ${_qm}
    COMMENT "Manual page cantaro.1 (${lang})")
  list(APPEND _manpages "${_page}.gz")
  install(FILES "${_page}.gz" DESTINATION "${CMAKE_INSTALL_DATADIR}/${_dir}")
endforeach()
add_custom_command(OUTPUT "${CMAKE_BINARY_DIR}/man/man1/tabulist.1.gz"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_BINARY_DIR}/man/man1"
  COMMAND gzip -9n -c "${CMAKE_SOURCE_DIR}/tools/tabulist/tabulist.1" > "${CMAKE_BINARY_DIR}/man/man1/tabulist.1.gz"
  DEPENDS "${CMAKE_SOURCE_DIR}/tools/tabulist/tabulist.1")
list(APPEND _manpages "${CMAKE_BINARY_DIR}/man/man1/tabulist.1.gz")
install(FILES "${CMAKE_BINARY_DIR}/man/man1/tabulist.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
add_custom_target(cantaro_manpages ALL DEPENDS ${_manpages})
add_dependencies(cantaro_manpages cantaro_translations)

# ---- The manual: README.md as HTML ---------------------------------------------------------
find_program(CANTARO_CMARK cmark)
if(CANTARO_CMARK)
  add_custom_command(OUTPUT "${_bin}/manual.html"
    COMMAND ${CMAKE_COMMAND} -DCMARK=${CANTARO_CMARK} -DSOURCE=${CMAKE_SOURCE_DIR}/README.md
            -DOUTPUT=${_bin}/manual.html -DVERSION=${PROJECT_VERSION} -P "${CMAKE_SOURCE_DIR}/cmake/RenderManual.cmake"
    DEPENDS "${CMAKE_SOURCE_DIR}/README.md" "${CMAKE_SOURCE_DIR}/cmake/RenderManual.cmake"
    COMMENT "Manual (README.md as HTML)")
  add_custom_target(cantaro_manual ALL DEPENDS "${_bin}/manual.html")
  install(FILES "${_bin}/manual.html" DESTINATION "${_doc}")
else()
  message(WARNING "cmark is missing (Debian: cmark): the manual is not built")
endif()

# ---- Licence and history -------------------------------------------------------------------
set(CANTARO_COPYRIGHT_SOURCE "")
if(CANTARO_HOMEPAGE_URL)
  set(CANTARO_COPYRIGHT_SOURCE "Source: ${CANTARO_HOMEPAGE_URL}\n")
endif()
configure_file(data/copyright.in "${CMAKE_BINARY_DIR}/doc/copyright" @ONLY)
configure_file(data/changelog.in "${CMAKE_BINARY_DIR}/doc/changelog" @ONLY)
add_custom_command(OUTPUT "${CMAKE_BINARY_DIR}/doc/changelog.gz"
  COMMAND gzip -9n -c "${CMAKE_BINARY_DIR}/doc/changelog" > "${CMAKE_BINARY_DIR}/doc/changelog.gz"
  DEPENDS "${CMAKE_BINARY_DIR}/doc/changelog")
add_custom_target(cantaro_changelog ALL DEPENDS "${CMAKE_BINARY_DIR}/doc/changelog.gz")
install(FILES "${CMAKE_BINARY_DIR}/doc/copyright" "${CMAKE_BINARY_DIR}/doc/changelog.gz" THIRD-PARTY.md
        DESTINATION "${_doc}")

# ---- The Debian package ---------------------------------------------------------------------
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "cantaro")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "chords and key of a song from its MIDI or karaoke file")
# The synopsis comes from the summary; CPack indents these lines and marks the empty one.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Cantaro reads a standard MIDI file or a karaoke file, plays it with an\non-screen piano, cuts it into beats, finds the chord of every beat and the\nkey of the song, transposes it and scales its tempo. The chords can be\nreviewed and corrected, and the lyrics are written with the chord names\nabove the syllables, for a chord-sheet editor or as ChordPro.\n\nThe same analysis runs from the command line without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "sound")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The icon engine that draws the SVG tool-bar icons (a plug-in, which shlibdeps cannot see).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "timgm6mb-soundfont | fluid-soundfont-gm, qt6-translations-l10n")
if(CANTARO_HOMEPAGE_URL)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${CANTARO_HOMEPAGE_URL}")
endif()
if(CANTARO_CONTACT_EMAIL)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Cantaro developers <${CANTARO_CONTACT_EMAIL}>")
else()
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Cantaro developers <cantaro@users.noreply.invalid>")
endif()
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# Only the program's own files: the benchmarks and tools of the build are not installed.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
