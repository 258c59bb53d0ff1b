# Installs the build into an empty folder and checks that the game and everything it needs
# arrive where the game and the desktop look for them; validates the desktop entry and the
# AppStream metainfo where the validators are installed.
# Usage: cmake -DBUILD_DIR=<build> -DPREFIX=<empty folder> -P CheckInstallTree.cmake

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${errors}")
endif()

set(app_id org.tessaron.Tessaron)
set(expected
    bin/tessaron
    share/applications/${app_id}.desktop
    share/metainfo/${app_id}.metainfo.xml)
foreach(size 16 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${app_id}.png
                       share/icons/hicolor/${size}x${size}@2/apps/${app_id}.png)
endforeach()

set(missing)
foreach(path ${expected})
  if(NOT EXISTS "${PREFIX}/${path}")
    list(APPEND missing ${path})
  endif()
endforeach()
# The program looks for its default sounds in bin/../share/tessaron/Sounds.
foreach(event RANGE 0 9)
  file(GLOB sound "${PREFIX}/share/tessaron/Sounds/Sound0${event}.*")
  if(NOT sound)
    list(APPEND missing share/tessaron/Sounds/Sound0${event}.*)
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "Not installed: ${missing}")
endif()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${PREFIX}/share/applications/${app_id}.desktop"
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0 OR output)
    message(FATAL_ERROR "desktop-file-validate:\n${output}")
  endif()
endif()

find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net "${PREFIX}/share/metainfo/${app_id}.metainfo.xml"
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate:\n${output}")
  endif()
endif()

message(STATUS "Install tree complete in ${PREFIX}")
