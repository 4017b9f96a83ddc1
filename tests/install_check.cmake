# Installs the build into a fresh prefix and checks what lands there, and
# that the desktop entry and the metainfo pass their validators.
#   cmake -DBUILD_DIR=... -DPREFIX=... -P install_check.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()

foreach(path
        bin/relwiz
        share/applications/org.example.Relwiz.desktop
        share/icons/hicolor/32x32/apps/org.example.Relwiz.png
        share/icons/hicolor/48x48/apps/org.example.Relwiz.png
        share/icons/hicolor/64x64/apps/org.example.Relwiz.png
        share/metainfo/org.example.Relwiz.metainfo.xml
        share/icons/hicolor/scalable/apps/org.example.Relwiz.svg)
    if(NOT EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "the install lacks ${path}")
    endif()
endforeach()

find_program(VALIDATOR desktop-file-validate REQUIRED)
execute_process(COMMAND "${VALIDATOR}" "${PREFIX}/share/applications/org.example.Relwiz.desktop"
                RESULT_VARIABLE valid OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT valid EQUAL 0 OR NOT said STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${said}")
endif()

find_program(APPSTREAMCLI appstreamcli REQUIRED)
execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net "${PREFIX}/share/metainfo/org.example.Relwiz.metainfo.xml"
                RESULT_VARIABLE valid OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT valid EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate: ${said}")
endif()
