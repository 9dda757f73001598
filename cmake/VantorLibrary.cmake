# vantor_add_library(<name> SOURCES ... [DEPENDS ...])
# A shared library with hidden visibility; its export macro <NAME>_EXPORT lives in the
# generated header <name>_export.h, and the folder holding its public headers is its
# include directory.
function(vantor_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;INCLUDES" ${ARGN})
    add_library(${name} SHARED ${ARG_SOURCES})
    generate_export_header(${name} EXPORT_FILE_NAME ${CMAKE_CURRENT_BINARY_DIR}/export/${name}_export.h)
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_BINARY_DIR}/export ${ARG_INCLUDES})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    set_target_properties(${name} PROPERTIES BUILD_RPATH "$ORIGIN")
endfunction()
