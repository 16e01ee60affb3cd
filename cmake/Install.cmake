# SPDX-License-Identifier: GPL-3.0-or-later
# The installed layout: programs in bin, the library in lib/<multiarch>, the
# shipped read-only data in share/rumbela, headers, a CMake package and a
# pkg-config file for programs that link the library, the desktop entry, the
# icons, the AppStream metainfo and the manual page; and the .deb package.
include(CMakePackageConfigHelpers)

set(RUMBELA_APP_ID org.example.rumbela)
set(RUMBELA_DATA_DIR ${CMAKE_INSTALL_DATADIR}/rumbela)

# The installed programs find the library beside the prefix they are in, so
# that an install to any prefix runs without LD_LIBRARY_PATH.
file(RELATIVE_PATH _bin_to_lib /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${CMAKE_INSTALL_LIBDIR})
set_target_properties(rumbela PROPERTIES INSTALL_RPATH "$ORIGIN/${_bin_to_lib}")

install(TARGETS rumbela tembusa_cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
install(TARGETS tembusa EXPORT TembusaTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT runtime
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/tembusa
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT runtime)

# Read-only data. The default dictionary is the pristine one made for
# shipping, never the build tree's kamus.mdb, which holds what its user
# taught it.
install(FILES ${TEMBUSA_SHIPPED_KAMUS} ${TEMBUSA_APP_DIR}/Kamus.txt ${TEMBUSA_APP_DIR}/WordFile.txt
              ${TEMBUSA_APP_DIR}/Readme.txt
    DESTINATION ${RUMBELA_DATA_DIR} COMPONENT runtime)
install(DIRECTORY ${TEMBUSA_APP_DIR}/help DESTINATION ${RUMBELA_DATA_DIR} COMPONENT runtime)

# CMake package: find_package(Tembusa) gives Tembusa::tembusa.
set(_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Tembusa)
install(EXPORT TembusaTargets NAMESPACE Tembusa:: DESTINATION ${_cmake_dir} COMPONENT runtime)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/TembusaConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/TembusaConfig.cmake INSTALL_DESTINATION ${_cmake_dir})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/TembusaConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/TembusaConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/TembusaConfigVersion.cmake
    DESTINATION ${_cmake_dir} COMPONENT runtime)

# pkg-config: paths relative to the prefix the file is installed under.
file(RELATIVE_PATH _pc_to_prefix /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(${PROJECT_SOURCE_DIR}/cmake/tembusa.pc.in ${CMAKE_CURRENT_BINARY_DIR}/tembusa.pc
    @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/tembusa.pc
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT runtime)

# The desktop: menu entry, metainfo, icons.
set(_desktop ${PROJECT_SOURCE_DIR}/data/desktop)
set(RUMBELA_ICON_SIZES 16 22 24 32 48 64 128 256)
install(FILES ${_desktop}/${RUMBELA_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT runtime)
install(FILES ${_desktop}/${RUMBELA_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT runtime)
install(FILES ${_desktop}/icons/${RUMBELA_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT runtime)
foreach(size IN LISTS RUMBELA_ICON_SIZES)
    install(FILES ${_desktop}/icons/${size}/${RUMBELA_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        COMPONENT runtime)
endforeach()

# The manual pages, compressed as Debian's man pages are.
find_program(GZIP_EXE gzip)
foreach(page tembusa.1 rumbela.1)
    set(_man ${PROJECT_SOURCE_DIR}/docs/${page})
    if(GZIP_EXE)
        add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.gz
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
            COMMAND ${CMAKE_COMMAND} -E copy ${_man} ${CMAKE_CURRENT_BINARY_DIR}/man/${page}
            COMMAND ${GZIP_EXE} -9 -n -f ${CMAKE_CURRENT_BINARY_DIR}/man/${page}
            DEPENDS ${_man} VERBATIM)
        list(APPEND _man_pages ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.gz)
    else()
        list(APPEND _man_pages ${_man})
    endif()
endforeach()
add_custom_target(rumbela_man ALL DEPENDS ${_man_pages})
install(FILES ${_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT runtime)

# cpack -G DEB: one package holding all of the above.
set(CPACK_PACKAGE_NAME rumbela)
set(CPACK_PACKAGE_VENDOR "Rumbela")
set(CPACK_PACKAGE_CONTACT "Rumbela developers <rumbela@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Rumbela translates English text into Indonesian sentence by sentence and word by word,\n\
with a dictionary that grows as you use it. The package holds the desktop workbench\n\
rumbela, the command-line client tembusa and the engine library libtembusa.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://rumbela.example.org")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The dependencies are the libraries the programs link (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES OFF)
include(CPack)
