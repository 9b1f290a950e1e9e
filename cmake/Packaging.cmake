# The Debian package, built by "cpack -G DEB" in a configured build folder (scripts/package.sh):
# quorvant_<version>_amd64.deb with the install() rules of the top-level CMakeLists.txt, under /usr.
# Its library dependencies are those dpkg-shlibdeps finds in the two programs.

# What Debian asks of every package beside the program: the copyright file, the changelog and a
# manual page per program, the compressed ones compressed without a time stamp (gzip -n).
set(QUORVANT_DEBIAN_DIR ${CMAKE_CURRENT_LIST_DIR}/debian)
file(STRINGS ${QUORVANT_DEBIAN_DIR}/changelog QUORVANT_CHANGELOG_TOP LIMIT_COUNT 1)
if(NOT QUORVANT_CHANGELOG_TOP MATCHES "^quorvant \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "cmake/debian/changelog begins with \"${QUORVANT_CHANGELOG_TOP}\": "
        "its newest entry must be for version ${PROJECT_VERSION}, the project's version")
endif()

# The copyright file names the program's terms and those of the font compiled into it, whose
# licence file is already a paragraph of Debian's copyright format.
file(READ ${PROJECT_SOURCE_DIR}/rec/fonts/LICENSE-DejaVu.txt QUORVANT_FONT_LICENCE)
string(REGEX REPLACE "^Files: [^\n]*\n" "" QUORVANT_FONT_LICENCE "${QUORVANT_FONT_LICENCE}")
string(STRIP "${QUORVANT_FONT_LICENCE}" QUORVANT_FONT_LICENCE)
configure_file(${QUORVANT_DEBIAN_DIR}/copyright.in ${CMAKE_BINARY_DIR}/packaging/copyright @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/rec/fonts/LICENSE-DejaVu.txt
    ${QUORVANT_DEBIAN_DIR}/changelog)

find_program(QUORVANT_GZIP gzip REQUIRED)
set(QUORVANT_COMPRESSED)
foreach(pair "cmake/debian/changelog|changelog.gz" "docs/quorvant.1|quorvant.1.gz"
        "docs/quorvant-export.1|quorvant-export.1.gz")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 source)
    list(GET pair 1 target)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${target}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
        COMMAND ${QUORVANT_GZIP} -9n -c ${PROJECT_SOURCE_DIR}/${source} > ${CMAKE_BINARY_DIR}/packaging/${target}
        DEPENDS ${PROJECT_SOURCE_DIR}/${source}
        COMMENT "Compressing ${source}"
        VERBATIM)
    list(APPEND QUORVANT_COMPRESSED ${CMAKE_BINARY_DIR}/packaging/${target})
endforeach()
add_custom_target(quorvant_package_docs ALL DEPENDS ${QUORVANT_COMPRESSED})

install(FILES ${CMAKE_BINARY_DIR}/packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
    DESTINATION ${QUORVANT_DOC_DIR})
install(FILES ${CMAKE_BINARY_DIR}/packaging/quorvant.1.gz ${CMAKE_BINARY_DIR}/packaging/quorvant-export.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvant)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quorvant")
set(CPACK_PACKAGE_CONTACT "Quorvant developers <dev@quorvant.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "projects how a portfolio of investments grows year by year")
set(CPACK_PACKAGE_DESCRIPTION
    "Quorvant is a desktop program with which a private investor projects how
a portfolio of investments grows year by year: rented property with or
without a mortgage, money lent out for a monthly return, saving and
compounding savings. Every investment is projected over 31 years; a
generator fills the portfolio from a savings plan, charts show the net
worth and the monthly cash flow, and uncertainty bands show how sure the
projection is.
The package also holds quorvant-export, which writes the projection of an
investment file as CSV or as an Excel workbook. The program's captions and
its manual are Dutch.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Directories as Debian wants them whatever the umask of the one who builds.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts in Dutch (the buttons of message boxes, the file dialogs); xdg-open shows the manual.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qttranslations5-l10n, xdg-utils")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

# Debian links its programs with immediate binding, so that the relocation table is read-only.
set_property(TARGET quorvant quorvant-export APPEND PROPERTY LINK_OPTIONS -Wl,-z,relro -Wl,-z,now)

include(CPack)
