# The installed package: the libraries, the resource compiler and the public headers, a CMake
# package (find_package(vantorui) gives vantorui::vantorui and the other libraries as
# imported targets, and vantor_add_resources running the installed compiler) and a
# pkg-config file.
include(CMakePackageConfigHelpers)

install(TARGETS rescomp EXPORT vantoruiTargets RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
set(VANTOR_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/vantorui)
install(EXPORT vantoruiTargets NAMESPACE vantorui:: DESTINATION ${VANTOR_CMAKEDIR})
configure_package_config_file(cmake/vantoruiConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/vantoruiConfig.cmake
                              INSTALL_DESTINATION ${VANTOR_CMAKEDIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/vantoruiConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/vantoruiConfig.cmake
              ${PROJECT_BINARY_DIR}/vantoruiConfigVersion.cmake
              ${PROJECT_SOURCE_DIR}/cmake/VantorResources.cmake
        DESTINATION ${VANTOR_CMAKEDIR})

configure_file(cmake/vantorui.pc.in ${PROJECT_BINARY_DIR}/vantorui.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/vantorui.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
