# vantor_add_resources(<target> <dir>)
# Compiles a module's resources folder into the module. The folder holds text files that
# the resource compiler (tools/rescomp, see its README.md) turns into one generated C++
# source, which defines the module's resource table and registers it when the module loads:
#   strings/<lang>.txt, strings/neutral.txt   string tables: lines `<number> "<text>"`
#   data/<Name>[.<lang>].txt                  raw data: each non-blank line a NUL-ended string,
#                                             the whole ended by one more NUL
#   dialogs/<Name>[.<lang>].txt               dialog templates: DIALOG, FONT, CONTROL lines
#   bitmaps/<Name>[.<lang>].txt               1-bit bitmaps: rows of '#' (black) and '.' (white)
# <lang> is a language number such as 1033; without it a resource is neutral (language 0).
# Blank lines, and lines starting with ';' except in data files, are skipped. Call it from
# the directory that defines the target; a target may take several folders. In the project's
# own tree it runs the compiler it builds; from the installed package, the installed one.
if(NOT DEFINED VANTOR_RESCOMP)
    set(VANTOR_RESCOMP rescomp)
    set(VANTOR_RESOURCE_LIBRARY haldencore)
endif()
function(vantor_add_resources target dir)
    get_filename_component(dir "${dir}" ABSOLUTE)
    if(NOT IS_DIRECTORY "${dir}")
        message(FATAL_ERROR "vantor_add_resources(${target}): ${dir} is not a folder")
    endif()
    file(GLOB_RECURSE files CONFIGURE_DEPENDS LIST_DIRECTORIES false "${dir}/*")
    string(MD5 tag "${dir}")
    string(SUBSTRING "${tag}" 0 8 tag)
    set(output "${CMAKE_CURRENT_BINARY_DIR}/${target}_resources_${tag}.cpp")
    # The list of files, rewritten only when it changes, so that removing a file compiles
    # the folder again too.
    set(inputs "${output}.inputs")
    string(REPLACE ";" "\n" listing "${files}")
    set(previous "")
    if(EXISTS "${inputs}")
        file(READ "${inputs}" previous)
    endif()
    if(NOT previous STREQUAL "${listing}\n")
        file(WRITE "${inputs}" "${listing}\n")
    endif()
    add_custom_command(
        OUTPUT "${output}"
        COMMAND ${VANTOR_RESCOMP} "${dir}" "${output}"
        DEPENDS ${VANTOR_RESCOMP} "${inputs}" ${files}
        COMMENT "Compiling the resources of ${target}"
        VERBATIM)
    # The command belongs to this directory; a target made in another one (the engine's,
    # made in module/) only runs it through a target of this directory.
    add_custom_target(${target}_resources_${tag} DEPENDS "${output}")
    add_dependencies(${target} ${target}_resources_${tag})
    target_sources(${target} PRIVATE "${output}")
    # The generated source names the resource headers by plain name.
    if(DEFINED VANTOR_RESOURCE_INCLUDES)
        set_source_files_properties("${output}" PROPERTIES INCLUDE_DIRECTORIES
                                    "${VANTOR_RESOURCE_INCLUDES}")
    endif()
    target_link_libraries(${target} PRIVATE ${VANTOR_RESOURCE_LIBRARY})
endfunction()
