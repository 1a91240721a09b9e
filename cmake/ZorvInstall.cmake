# What `cmake --install` puts in place: the engine library with its headers, CMake package and pkg-config
# file; zorv; zorvix with its desktop entry and icon; the Python module.
include(CMakePackageConfigHelpers)

set(ZORV_CMAKE_DIR "${CMAKE_INSTALL_LIBDIR}/cmake/zorv")

install(TARGETS zorv_engine EXPORT zorvTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY "${PROJECT_SOURCE_DIR}/include/zorv" DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES "${ZORV_GENERATED_INCLUDE_DIR}/zorv/Version.h" DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/zorv")

install(EXPORT zorvTargets NAMESPACE zorv:: DESTINATION ${ZORV_CMAKE_DIR})
configure_package_config_file("${CMAKE_CURRENT_LIST_DIR}/zorvConfig.cmake.in" "${PROJECT_BINARY_DIR}/zorvConfig.cmake"
  INSTALL_DESTINATION ${ZORV_CMAKE_DIR})
write_basic_package_version_file("${PROJECT_BINARY_DIR}/zorvConfigVersion.cmake" COMPATIBILITY SameMinorVersion)
install(FILES "${PROJECT_BINARY_DIR}/zorvConfig.cmake" "${PROJECT_BINARY_DIR}/zorvConfigVersion.cmake"
  DESTINATION ${ZORV_CMAKE_DIR})

# The pkg-config file finds the prefix from its own place, so the installed tree may be moved.
file(RELATIVE_PATH ZORV_PC_PREFIX "/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/")
string(REGEX REPLACE "/$" "" ZORV_PC_PREFIX "${ZORV_PC_PREFIX}")
configure_file("${CMAKE_CURRENT_LIST_DIR}/zorv.pc.in" "${PROJECT_BINARY_DIR}/zorv.pc" @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/zorv.pc" DESTINATION "${CMAKE_INSTALL_LIBDIR}/pkgconfig")

install(TARGETS zorv RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET zorvix)
  install(TARGETS zorvix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES "${PROJECT_SOURCE_DIR}/app/share/zorvix.desktop" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
  install(FILES "${PROJECT_SOURCE_DIR}/app/share/zorvix.svg"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
  # The file type of rule bases, which the desktop entry opens; the desktop's type database learns it when
  # update-mime-database runs over the prefix (done here unless installing into a staging folder).
  install(FILES "${PROJECT_SOURCE_DIR}/app/share/zorv-rulebase.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages")
  install(CODE "
    find_program(update_mime update-mime-database)
    if(update_mime AND NOT DEFINED ENV{DESTDIR})
      execute_process(COMMAND \${update_mime} \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/mime\")
    endif()")
endif()
