# Install rules (GNUInstallDirs) and the Debian package (CPack): the three
# programs in bin, a desktop entry, metainfo and icon per edition, the subtitle MIME types and
# kelvo-batch's manual page, made from its command table at build time.
include(GNUInstallDirs)

# One name for the installed files and for the start window's association.
set(KELVO_APP_ID hu.kelvo.Kelvo)
set(KELVO_APP_ID_VN hu.kelvo.KelvoVN)
# The types the editor opens, as the desktop entries claim them.
set(KELVO_MIME_TYPES "application/x-subrip;text/x-microdvd;text/x-ssa;text/vtt;")
set(KELVO_HOMEPAGE "https://kelvo.hu/" CACHE STRING "The homepage the metainfo names")
set(KELVO_SCREENSHOT_URL "https://kelvo.hu/docs" CACHE STRING
    "Where the metainfo finds the pictures of docs/")

set(KELVO_GENERATED ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_SOURCE_DIR}/packaging/KelvoIds.h.in ${KELVO_GENERATED}/KelvoIds.h @ONLY)
# only this file reads them: the rest of the library keeps its compile line
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/app/Association.cpp APPEND PROPERTY
             INCLUDE_DIRECTORIES ${KELVO_GENERATED})

install(TARGETS Kelvo KelvoVN kelvo-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The fonts are inside the programs; their licence goes with them.
install(FILES ${CMAKE_SOURCE_DIR}/resources/fonts/LICENSE
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kelvo RENAME fonts-LICENSE)

# Desktop entries and metainfo, one per edition.
function(kelvo_screenshots out)
  set(text "")
  set(kind " type=\"default\"")
  foreach(pair ${ARGN})
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 picture)
    list(GET pair 1 caption)
    if(NOT EXISTS ${CMAKE_SOURCE_DIR}/docs/${picture})
      message(FATAL_ERROR "docs/${picture} is missing")
    endif()
    string(APPEND text "    <screenshot${kind}>\n      <caption>${caption}</caption>\n"
           "      <image>${KELVO_SCREENSHOT_URL}/${picture}</image>\n    </screenshot>\n")
    set(kind "")
  endforeach()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(kelvo_edition_files id)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/kelvo.desktop.in
                 ${CMAKE_BINARY_DIR}/packaging/${id}.desktop @ONLY)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/kelvo.metainfo.xml.in
                 ${CMAKE_BINARY_DIR}/packaging/${id}.metainfo.xml @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/packaging/${id}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_BINARY_DIR}/packaging/${id}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endfunction()

set(EDITION_ID ${KELVO_APP_ID})
set(EDITION_NAME Kelvo)
set(EDITION_COMMENT "Edit film subtitles, with a film preview")
set(EDITION_COMMENT_HU "Filmfeliratok szerkesztése filmelőnézettel")
set(EDITION_EXTRA "This full edition plays the film beside the table and takes times from it. \
The kelvo-batch tool runs the same routines on files from the shell.")
set(EDITION_PROVIDES "    <binary>kelvo-batch</binary>\n")
foreach(type ${KELVO_MIME_TYPES})
  string(APPEND EDITION_PROVIDES "    <mediatype>${type}</mediatype>\n")
endforeach()
kelvo_screenshots(EDITION_SCREENSHOTS
  "start-window.png|The start window"
  "editor-1024x768.png|The editor"
  "editor-film-normal.png|The editor with a film"
  "translation-1024x768.png|The translation workspace"
  "convert-window.png|Conversion to other formats")
kelvo_edition_files(${KELVO_APP_ID})

set(EDITION_ID ${KELVO_APP_ID_VN})
set(EDITION_NAME KelvoVN)
set(EDITION_COMMENT "Edit film subtitles")
set(EDITION_COMMENT_HU "Filmfeliratok szerkesztése")
set(EDITION_EXTRA "This edition has no film preview and needs no media libraries to run.")
set(EDITION_PROVIDES "")
kelvo_screenshots(EDITION_SCREENSHOTS
  "start-window-vn.png|The start window"
  "editor-1024x768.png|The editor"
  "overlap-window.png|The overlap check")
kelvo_edition_files(${KELVO_APP_ID_VN})

install(FILES ${CMAKE_SOURCE_DIR}/packaging/kelvo-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${KELVO_APP_ID}.xml)

# The icon: the drawing itself, and pictures of it in the sizes menus ask for.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_svg ${CMAKE_SOURCE_DIR}/packaging/kelvo.svg)
install(FILES ${icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${KELVO_APP_ID}.svg)
set(icon_pngs "")
foreach(size 16 22 24 32 48 64 128 256)
  set(png ${CMAKE_BINARY_DIR}/packaging/icons/${size}/${KELVO_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging/icons/${size}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${icon_svg}
    DEPENDS ${icon_svg} VERBATIM)
  list(APPEND icon_pngs ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(kelvo_icons ALL DEPENDS ${icon_pngs})

# kelvo-batch's manual page, from the same tables as its --help.
add_executable(kelvo-batch-manpage ${CMAKE_SOURCE_DIR}/src/batch/manpage.cpp)
target_link_libraries(kelvo-batch-manpage PRIVATE kelvo_batch)
target_compile_options(kelvo-batch-manpage PRIVATE ${KELVO_WARNINGS})
find_program(GZIP gzip REQUIRED)
set(manpage ${CMAKE_BINARY_DIR}/packaging/kelvo-batch.1)
add_custom_command(OUTPUT ${manpage}.gz
  COMMAND kelvo-batch-manpage ${PROJECT_VERSION} ${manpage}
  COMMAND ${GZIP} -9nf ${manpage}
  DEPENDS kelvo-batch-manpage VERBATIM)
add_custom_target(kelvo_manpage ALL DEPENDS ${manpage}.gz)
install(FILES ${manpage}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME kelvo)
set(CPACK_PACKAGE_VENDOR Kelvo)
set(CPACK_PACKAGE_CONTACT "Kelvo <kelvo@kelvo.hu>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "subtitle editor with a Hungarian user interface")
set(CPACK_PACKAGE_DESCRIPTION "Kelvo reads time-based (.srt) and frame-based (.sub) subtitles into one
table, repairs and reports the faults it finds while reading, lets you edit
the entries, runs tools over every entry and converts the table to many
other formats. Two editions: Kelvo (with a film preview) and KelvoVN.

kelvo-batch runs the same routines on files from the shell.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KELVO_HOMEPAGE})
# The libraries come from shlibdeps (Qt's X11 plugin with libqt6gui6); what
# is loaded at run time only is recommended: Wayland, and the film's codecs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-wayland, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-libav")
include(CPack)
