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

# The API reference over the public headers: `cmake --build <tree> --target vantorui_docs`
# where Doxygen (Debian's doxygen package) is installed; the test command does not build it.
find_package(Doxygen QUIET)
if(DOXYGEN_FOUND)
    set(DOXYGEN_EXCLUDE_PATTERNS */internal/* */tests/* */build*/*)
    set(DOXYGEN_EXTRACT_ALL NO)
    set(DOXYGEN_WARN_IF_UNDOCUMENTED YES)
    set(DOXYGEN_GENERATE_LATEX NO)
    doxygen_add_docs(vantorui_docs
        ${PROJECT_SOURCE_DIR}/framework ${PROJECT_SOURCE_DIR}/schema ${PROJECT_SOURCE_DIR}/elements
        ${PROJECT_SOURCE_DIR}/views ${PROJECT_SOURCE_DIR}/widgets ${PROJECT_SOURCE_DIR}/module
        COMMENT "The API reference of the public headers")
endif()
