# Installation of the game with its desktop integration, and its packages.
#
# The program lands in bin/; its default sounds come from the sound area's own install rule
# (share/tessaron/Sounds, found by the program from bin/../share/tessaron/Sounds); every
# picture and text is compiled into the program. On Linux the desktop entry, the AppStream
# metainfo and the icon in the hicolor sizes make it a desktop application.

set(TESSARON_APP_ID org.tessaron.Tessaron)

if(UNIX AND NOT APPLE)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/linux/tessaron.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
          RENAME ${TESSARON_APP_ID}.desktop)

  # The metainfo names the release, which comes from the project's one version.
  configure_file(${PROJECT_SOURCE_DIR}/packaging/linux/${TESSARON_APP_ID}.metainfo.xml.in
                 ${PROJECT_BINARY_DIR}/packaging/${TESSARON_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/packaging/${TESSARON_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # The program icon in every size the art provides: tessaron-<size>.png, and for screens
  # of double density tessaron-<size>@2x.png in hicolor's <size>x<size>@2 folders (the theme
  # has no triple-density folders).
  file(GLOB program_icons CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/images/icons/tessaron-*.png)
  foreach(icon ${program_icons})
    string(REGEX MATCH "tessaron-([0-9]+)(@2x)?\\.png$" matched "${icon}")
    if(matched)
      set(folder ${CMAKE_MATCH_1}x${CMAKE_MATCH_1})
      if(CMAKE_MATCH_2)
        string(APPEND folder "@2")
      endif()
      install(FILES ${icon}
              DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${folder}/apps
              RENAME ${TESSARON_APP_ID}.png)
    endif()
  endforeach()
endif()

# On Windows the Qt libraries and plugins go beside the program.
if(WIN32 AND TARGET tessaron AND COMMAND qt_generate_deploy_app_script)
  qt_generate_deploy_app_script(TARGET tessaron OUTPUT_SCRIPT tessaron_deploy_script
                                NO_UNSUPPORTED_PLATFORM_ERROR)
  install(SCRIPT ${tessaron_deploy_script})
endif()

# Packages: `cpack` in the build folder. On Linux a Debian package
# tessaron_<version>_<arch>.deb whose library dependencies are read from the program itself.
set(CPACK_PACKAGE_NAME tessaron)
set(CPACK_PACKAGE_VENDOR "The Tessaron developers")
set(CPACK_PACKAGE_CONTACT "The Tessaron developers <tessaron@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tessaron.example.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mahjong solitaire whose every deal can be solved")
set(CPACK_PACKAGE_DESCRIPTION "Clear a board of 144 tiles, stacked in five layers, by taking off \
pairs of matching free tiles.\nEvery deal is built backwards, so it can always be solved. Undo, \
redo, restart and peek,\na game clock with a hall of fame of the ten best times and replay of \
listed deals, game files,\na sound for each game event, and an interface in English and German.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tessaron)
set(CPACK_STRIP_FILES ON)

if(UNIX AND NOT APPLE)
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION games)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  # Qt 6 Widgets, SDL2_mixer and the C++ run time, read from the program's libraries.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # MIDI sounds need a General MIDI sound font; without any font Qt draws text as boxes;
  # Qt's own dialogs and menus speak German only with Qt's translations; the game history
  # is kept through Qt SQL's SQLite driver, a plugin the library scan cannot see.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "timgm6mb-soundfont | sf3-soundfont-gm | fluid-soundfont-gm, fonts-dejavu-core | fonts-liberation2 | fonts-freefont-ttf, qt6-translations-l10n, libqt6sql6-sqlite")
  # The board's labels look best in Comic Neue. The Wayland plugin is only needed on a
  # desktop without XWayland, and it brings Qt Quick along, so it is merely suggested.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-comic-neue")
  set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")
else()
  set(CPACK_GENERATOR ZIP)
endif()

include(CPack)
