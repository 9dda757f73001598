include(GNUInstallDirs)

# Hosts include the public headers as <vantorui/CUIViewWnd.hpp>, so that no name of ours
# collides with one of theirs: installed, they lie flat in include/vantorui/; in a build tree,
# include/vantorui/ under the project's binary folder links to them. The engine's own headers
# include each other by plain name, which finds them beside each other in both places.
set(VANTOR_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/vantorui)
set(VANTOR_BUILD_INCLUDEDIR ${PROJECT_BINARY_DIR}/include)

# vantor_public_headers(<target> <dir>...)
# Makes each folder an include directory of the target and publishes the headers it holds
# directly; headers in subfolders (internal/) stay private to the library.
function(vantor_public_headers target)
    foreach(dir IN LISTS ARGN)
        target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${dir}>)
        file(GLOB headers CONFIGURE_DEPENDS LIST_DIRECTORIES false "${dir}/*.hpp" "${dir}/*.h")
        vantor_publish_files(${headers})
    endforeach()
    target_include_directories(${target} INTERFACE $<BUILD_INTERFACE:${VANTOR_BUILD_INCLUDEDIR}>
                                                   $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
endfunction()

# vantor_publish_files(<header>...): installs headers and links them into the build tree's
# include/vantorui/.
function(vantor_publish_files)
    file(MAKE_DIRECTORY ${VANTOR_BUILD_INCLUDEDIR}/vantorui)
    foreach(header IN LISTS ARGN)
        get_filename_component(name "${header}" NAME)
        file(CREATE_LINK "${header}" "${VANTOR_BUILD_INCLUDEDIR}/vantorui/${name}" SYMBOLIC)
    endforeach()
    install(FILES ${ARGN} DESTINATION ${VANTOR_INSTALL_INCLUDEDIR})
endfunction()

# vantor_add_library(<name> SOURCES ... [INCLUDES ...] [DEPENDS ...])
# A shared library with hidden visibility, versioned with the project; its export macro
# <NAME>_EXPORT lives in the generated header <name>_export.h, and the folders holding its
# public headers are its include directories. It joins the project's installed package.
function(vantor_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;INCLUDES" ${ARGN})
    add_library(${name} SHARED ${ARG_SOURCES})
    add_library(vantorui::${name} ALIAS ${name})
    set(export_dir ${CMAKE_CURRENT_BINARY_DIR}/export)
    generate_export_header(${name} EXPORT_FILE_NAME ${export_dir}/${name}_export.h)
    target_include_directories(${name} PUBLIC $<BUILD_INTERFACE:${export_dir}>)
    vantor_publish_files(${export_dir}/${name}_export.h)
    vantor_public_headers(${name} ${ARG_INCLUDES})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    set_target_properties(${name} PROPERTIES BUILD_RPATH "$ORIGIN" INSTALL_RPATH "$ORIGIN"
                          VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
    install(TARGETS ${name} EXPORT vantoruiTargets
            LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
            RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()
