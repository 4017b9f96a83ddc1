# The Debian package: `cpack -G DEB` in the build folder makes
# relwiz_<version>_<arch>.deb of everything `cmake --install` puts in place,
# plus what Debian asks of every package beyond that: the copyright, the
# changelog and the manual page. Those three go into the package only, so a
# plain `cmake --install` leaves them out.
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
    return()
endif()

set(RELWIZ_DEBIAN_DIR ${CMAKE_CURRENT_LIST_DIR}/debian)

# The package takes its version from project(); its changelog must say what
# changed in it.
file(STRINGS ${RELWIZ_DEBIAN_DIR}/changelog newest LIMIT_COUNT 1)
if(NOT newest MATCHES "^relwiz \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "resources/debian/changelog has no entry for ${PROJECT_VERSION} at the top")
endif()

# Debian ships the changelog and the manual page compressed, without the
# name and time stamp that plain gzip records, so that builds are
# reproducible.
set(compressed)
foreach(file changelog relwiz.1)
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/debian/${file})
    add_custom_command(OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${RELWIZ_DEBIAN_DIR}/${file} ${copy}
        COMMAND gzip -9nf ${copy}
        DEPENDS ${RELWIZ_DEBIAN_DIR}/${file}
        VERBATIM)
    list(APPEND compressed ${copy}.gz)
endforeach()
add_custom_target(relwiz_debian_files ALL DEPENDS ${compressed})

install(FILES ${RELWIZ_DEBIAN_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/debian/relwiz.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT debian EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
# Everything a plain install puts in place, then the Debian-only component.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/"
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};debian;/")
set(CPACK_PACKAGE_CONTACT "Relwiz 2000 developers <relwiz@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://relwiz.example.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "CD image .nfo information sheet writer for Usenet posts")
set(CPACK_PACKAGE_DESCRIPTION [=[
Relwiz 2000 writes the information sheet, an .nfo plain-text file, that goes
with a CD image posted to a Usenet newsgroup in numbered archive parts.
You fill in a window of nine tabs: what the disc holds, how it is posted, how
each of up to six discs was imaged and cut into parts, and the release group's
own .nfo text. Preview shows the sheet framed by 79-character rules, still to
be edited; Create .nfo! writes it to a file named after the program title.]=])
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends is worked out from the libraries the program links. The controls
# are laid out for Arial, whose metric twin is Liberation Sans; without it
# another sans serif stands in, so it is recommended, not required.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
