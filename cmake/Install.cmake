# What `cmake --install` puts in place and what the package holds: a self-contained folder lib/glyphloom with
# both programs and the default picture beside them (the programs find it through their own real path), links
# to the programs in bin, and the desktop entry, the icons and the manual pages under share.

set(GLYPHLOOM_PROGRAM_FOLDER lib/glyphloom)
install(TARGETS glyphloom glyphloom-convert RUNTIME DESTINATION ${GLYPHLOOM_PROGRAM_FOLDER})
install(FILES ${PROJECT_BINARY_DIR}/Tarnwick.bmp DESTINATION ${GLYPHLOOM_PROGRAM_FOLDER})

# The links are made here, relative, and installed as links, so that a staged install (DESTDIR, the package)
# points into its own folder.
set(link_folder ${PROJECT_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${link_folder})
foreach(program glyphloom glyphloom-convert)
  file(CREATE_LINK ../${GLYPHLOOM_PROGRAM_FOLDER}/${program} ${link_folder}/${program} SYMBOLIC)
  install(FILES ${link_folder}/${program} DESTINATION bin)
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/resources/glyphloom.desktop DESTINATION share/applications)
install(DIRECTORY ${PROJECT_BINARY_DIR}/icons/hicolor DESTINATION share/icons)
install(FILES ${PROJECT_SOURCE_DIR}/resources/glyphloom.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/resources/man/glyphloom.1 ${PROJECT_SOURCE_DIR}/resources/man/glyphloom-convert.1
        DESTINATION share/man/man1)

# The Debian package (scripts/package): the same install under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME glyphloom)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Glyphloom 织字工作室 <hello@glyphloom.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn a picture or a line of text into text art")
set(CPACK_PACKAGE_DESCRIPTION
    "Glyphloom reduces a picture (BMP, PNG, JPEG, GIF, WebP) or a typed line of text to black and white and \
writes every dark pixel as a glyph string, one line per pixel row. It comes as a desktop program and as a \
command-line converter.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://glyphloom.example)
# The libraries the programs link and the fonts the window draws its texts with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libsdl2-2.0-0, libx11-6, libfreetype6, libfontconfig1, libpng16-16, libjpeg62-turbo, \
libgif7, libwebp7, fonts-arphic-uming, xfonts-wqy")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
include(CPack)
