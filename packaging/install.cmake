# Installation rules and the Debian package for Tarvolin.
#
# Include from the top-level CMakeLists.txt after the executable target `tarvolin` exists:
#     include(packaging/install.cmake)
# Then
#     cmake --install <build>                  installs below CMAKE_INSTALL_PREFIX
#     cd <build> && cpack -G DEB                builds tarvolin_1.0.0_<arch>.deb
#
# What goes where (prefix /usr in the package):
#     bin/tarvolin
#     share/applications/de.tarvolin.Tarvolin.desktop
#     share/applications/de.tarvolin.Tarvolin.Personalliste.desktop   (the staff list, tarvolin --list-window)
#     share/metainfo/de.tarvolin.Tarvolin.metainfo.xml
#     share/icons/hicolor/scalable/apps/de.tarvolin.Tarvolin[.Personalliste].svg
#     share/icons/hicolor/<N>x<N>/apps/de.tarvolin.Tarvolin[.Personalliste].png   (N = 16 32 48 64 128 256)
#     share/doc/tarvolin/copyright, share/doc/tarvolin/changelog.gz
#     share/man/man1/tarvolin.1.gz
#     share/tarvolin/site/...                                      (the German help pages the help buttons open)
# The icon cache and the desktop database are refreshed by dpkg's triggers of hicolor-icon-theme and
# desktop-file-utils; the package needs no maintainer scripts of its own.

include_guard(GLOBAL)
include(GNUInstallDirs)

if(NOT TARGET tarvolin)
    message(FATAL_ERROR "packaging/install.cmake: include it after add_executable(tarvolin ...)")
endif()

set(TARVOLIN_APP_ID de.tarvolin.Tarvolin)
set(TARVOLIN_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
get_filename_component(TARVOLIN_SITE_SOURCE_DIR "${CMAKE_CURRENT_LIST_DIR}/../site" ABSOLUTE)
set(TARVOLIN_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tarvolin)

install(TARGETS tarvolin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${TARVOLIN_PACKAGING_DIR}/${TARVOLIN_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The calculator and the staff list, each with its desktop entry and icon.
foreach(entry ${TARVOLIN_APP_ID} ${TARVOLIN_APP_ID}.Personalliste)
    install(FILES ${TARVOLIN_PACKAGING_DIR}/${entry}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${TARVOLIN_PACKAGING_DIR}/icons/${entry}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    foreach(size 16 32 48 64 128 256)
        install(FILES ${TARVOLIN_PACKAGING_DIR}/icons/${size}x${size}/${entry}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
endforeach()
install(FILES ${TARVOLIN_PACKAGING_DIR}/copyright DESTINATION ${TARVOLIN_DOC_DIR})

# Debian wants the manual page and the changelog compressed, without a time stamp in the gzip header
# (gzip -n) so that the package is reproducible. Compressed again whenever the source changes.
find_program(TARVOLIN_GZIP gzip)
set(TARVOLIN_PACKAGING_OUT ${CMAKE_CURRENT_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${TARVOLIN_PACKAGING_OUT})
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${TARVOLIN_PACKAGING_DIR}/tarvolin.1 ${TARVOLIN_PACKAGING_DIR}/changelog)
if(TARVOLIN_GZIP)
    foreach(pair "tarvolin.1;tarvolin.1.gz" "changelog;changelog.gz")
        list(GET pair 0 source)
        list(GET pair 1 target)
        execute_process(COMMAND ${TARVOLIN_GZIP} -9nc ${TARVOLIN_PACKAGING_DIR}/${source}
                        OUTPUT_FILE ${TARVOLIN_PACKAGING_OUT}/${target}
                        RESULT_VARIABLE gzip_result)
        if(NOT gzip_result EQUAL 0)
            message(FATAL_ERROR "packaging/install.cmake: gzip ${source} failed: ${gzip_result}")
        endif()
    endforeach()
    install(FILES ${TARVOLIN_PACKAGING_OUT}/tarvolin.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${TARVOLIN_PACKAGING_OUT}/changelog.gz DESTINATION ${TARVOLIN_DOC_DIR})
else()
    install(FILES ${TARVOLIN_PACKAGING_DIR}/tarvolin.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${TARVOLIN_PACKAGING_DIR}/changelog DESTINATION ${TARVOLIN_DOC_DIR})
endif()

# The help pages are program data, not documentation: the help buttons open them from
# share/tarvolin/site beside bin/ (qt/desktop/desktop_shell.cpp), and minimal Debian systems leave
# share/doc out.
option(TARVOLIN_INSTALL_SITE "Install the German help pages to share/tarvolin/site" ON)
if(TARVOLIN_INSTALL_SITE AND IS_DIRECTORY ${TARVOLIN_SITE_SOURCE_DIR})
    install(DIRECTORY ${TARVOLIN_SITE_SOURCE_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tarvolin/site
            FILES_MATCHING PATTERN "*.htm" PATTERN "*.html" PATTERN "*.css" PATTERN "*.png" PATTERN "*.svg")
endif()

# --- Debian package ------------------------------------------------------------------------------------

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvolin)
set(CPACK_PACKAGE_VERSION_MAJOR 1)
set(CPACK_PACKAGE_VERSION_MINOR 0)
set(CPACK_PACKAGE_VERSION_PATCH 0)
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_VENDOR "Tarvolin")
set(CPACK_PACKAGE_CONTACT "Tarvolin-Entwickler <info@tarvolin.de>")
set(CPACK_PACKAGE_HOMEPAGE_URL "http://www.tarvolin.de/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Jubiläumsdienstalter und Kündigungsfristen berechnen")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)

set(CPACK_DEBIAN_PACKAGE_NAME tarvolin)
set(CPACK_DEBIAN_PACKAGE_VERSION 1.0.0)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tarvolin-Entwickler <info@tarvolin.de>")
set(CPACK_DEBIAN_PACKAGE_SECTION office)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://www.tarvolin.de/")
# The synopsis line is CPACK_PACKAGE_DESCRIPTION_SUMMARY; this is the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Tarvolin berechnet für Beschäftigte und Personalstellen im öffentlichen Dienst
aus Geburtstag, dem Tag, ab dem Dienstbezüge zustehen, bis zu vierzehn
Vorzeiten und einem Stichtag den Beginn des Jubiläumsdienstalters, die 25-,
40- und 50-jährigen Dienstjubiläen, den Eintritt in den Ruhestand, die
Beschäftigungszeit und die Kündigungsfrist nach § 34 TVöD / TV-L. Es druckt
ein Schreiben der Personalstelle und merkt sich den letzten Fall.
.
Tarvolin works out, for the German public service, the begin of the
anniversary service age, the 25, 40 and 50 year service anniversaries, the
retirement date, the employment period and the notice period under § 34
TVöD / TV-L. The program's window and printout are in German.")

# Runtime packages of a Qt 6 Widgets + PrintSupport program on Debian 12 (bookworm):
# the Qt libraries, the xcb platform plugin (qt6-qpa-plugins), the German standard buttons
# (qt6-translations-l10n) and the metric-compatible Arial replacement for the letter (fonts-liberation2).
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6 (>= 6.4.2), libqt6gui6 (>= 6.4.2), libqt6core6 (>= 6.4.2), libqt6printsupport6 (>= 6.4.2), qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation2, libc6 (>= 2.34), libgcc-s1 (>= 3.0), libstdc++6 (>= 12)")
# The help buttons hand their pages to xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)

include(CPack)
