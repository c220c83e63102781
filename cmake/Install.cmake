# Installed layout: a self-contained program folder (the reader, the fingerprint library and
# the data files side by side, as in build/program), a launcher on the PATH, the desktop entry,
# the icons and the AppStream metadata. CPack turns the same rules into a .deb.
include(GNUInstallDirs)

# Packaging takes what the build made; it must not rebuild every test suite first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(LUMRA_INSTALL_PROGRAM_DIR "${CMAKE_INSTALL_LIBDIR}/lumra")
if(CMAKE_INSTALL_LIBDIR MATCHES "/")
  # A multiarch libdir (lib/x86_64-linux-gnu) would hide the folder; keep it simple.
  set(LUMRA_INSTALL_PROGRAM_DIR "lib/lumra")
endif()

if(TARGET Lumra)
  install(TARGETS Lumra RUNTIME DESTINATION "${LUMRA_INSTALL_PROGRAM_DIR}")
endif()
if(TARGET lumra_reader)
  # The reader's windows, loaded by the executable only to start the reader.
  install(TARGETS lumra_reader LIBRARY DESTINATION "${LUMRA_INSTALL_PROGRAM_DIR}")
endif()
if(TARGET kelvo)
  install(TARGETS kelvo LIBRARY DESTINATION "${LUMRA_INSTALL_PROGRAM_DIR}" NAMELINK_SKIP)
endif()

# The 19 data files, "Ocf" and the two companion files (the original, its transliteration).
set(_lumra_data_files "${LUMRA_PROGRAM_DIR}/Ocf" "${LUMRA_PROGRAM_DIR}/original.txt"
  "${LUMRA_PROGRAM_DIR}/transliteration.txt")
foreach(lang en sv)
  foreach(out kvt.txt nst.txt nfn.txt ksn.txt hlp.rtf len aapx apt.txt ift.txt)
    list(APPEND _lumra_data_files "${LUMRA_PROGRAM_DIR}/${lang}${out}")
  endforeach()
endforeach()
install(FILES ${_lumra_data_files} DESTINATION "${LUMRA_INSTALL_PROGRAM_DIR}")

# The launcher: the reader finds its data beside the real executable.
set(_lumra_launcher "${CMAKE_BINARY_DIR}/packaging/lumra")
file(CONFIGURE OUTPUT "${_lumra_launcher}" CONTENT [=[#!/bin/sh
# Starts the reader from its program folder.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../@LUMRA_INSTALL_PROGRAM_DIR@/Lumra" "$@"
]=] @ONLY)
install(PROGRAMS "${_lumra_launcher}" DESTINATION "${CMAKE_INSTALL_BINDIR}")

set(_pkg "${PROJECT_SOURCE_DIR}/packaging")
install(FILES "${_pkg}/lumra.desktop" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
# Completion of the subcommands and their options, where bash-completion looks for it.
install(FILES "${_pkg}/lumra.bash-completion"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/bash-completion/completions" RENAME lumra)
install(FILES "${_pkg}/lumra.svg" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
foreach(size 48 128)
  install(FILES "${_pkg}/lumra-${size}.png"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
          RENAME lumra.png)
endforeach()
# Debian's documents: the machine-readable copyright, the changelog and the manual page, the
# last two compressed as Debian policy wants them (gzip -9n: no name or time stamp inside).
set(_lumra_docdir "${CMAKE_INSTALL_DATADIR}/doc/lumra")
install(FILES "${_pkg}/debian/copyright" DESTINATION "${_lumra_docdir}")
file(STRINGS "${_pkg}/debian/changelog" _lumra_changelog_top LIMIT_COUNT 1)
if(NOT _lumra_changelog_top MATCHES "^lumra \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/debian/changelog does not begin with version ${PROJECT_VERSION}")
endif()
find_program(LUMRA_GZIP gzip REQUIRED)
foreach(_doc "debian/changelog" "debian/lumra.1")
  get_filename_component(_name "${_doc}" NAME)
  set(_gz "${CMAKE_BINARY_DIR}/packaging/${_name}.gz")
  execute_process(COMMAND "${LUMRA_GZIP}" -9nc "${_pkg}/${_doc}" OUTPUT_FILE "${_gz}"
                  COMMAND_ERROR_IS_FATAL ANY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${_pkg}/${_doc}")
endforeach()
install(FILES "${CMAKE_BINARY_DIR}/packaging/changelog.gz" DESTINATION "${_lumra_docdir}")
install(FILES "${CMAKE_BINARY_DIR}/packaging/lumra.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")

configure_file("${_pkg}/org.example.lumra.metainfo.xml"
               "${CMAKE_BINARY_DIR}/packaging/org.example.lumra.metainfo.xml" @ONLY)
install(FILES "${CMAKE_BINARY_DIR}/packaging/org.example.lumra.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

set(CPACK_PACKAGE_NAME lumra)
set(CPACK_PACKAGE_VENDOR "Lumra developers")
set(CPACK_PACKAGE_CONTACT "Lumra developers <lumra@lumra.example.org>")
# Debian's synopsis starts without an article.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reader of the Qur'an in translation")
set(CPACK_PACKAGE_INSTALL_DIRECTORY lumra)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
# The summary comes first on its own; this is the long part.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Lumra shows the Qur'an verse by verse in English or Swedish translation,\nsearches it, marks verses for topics and exports verse ranges.")

set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libkelvo.so is our own plugin in the program folder, not a system library.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "${LUMRA_PROGRAM_DIR}")
# The xcb platform plugin is only a Recommends of libqt6gui6: without it no window opens.
# Qt's own texts (standard buttons, context menus) in Swedish come from Qt's translations.
# The companion window draws the original in the Amiri faces.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-hosny-amiri")
# Every directory 0755 and every file 0644 or 0755, whatever the builder's umask.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# CPack adds ldconfig calls for any shared object under /usr/lib; the fingerprint library is
# private to the program folder (not on the loader's path), so the package has no maintainer
# scripts. cmake/cpack/ holds the small wrapper that says so.
set(CPACK_PROJECT_CONFIG_FILE "${PROJECT_SOURCE_DIR}/cmake/cpack/LumraCPackConfig.cmake")
include(CPack)
