# add_gauge_module(<target> OUTPUT_NAME <name> SOURCES <files...> LIBRARIES <libs...>
#                  BITMAPS <number> <file> [<number> <file> ...])
#
# Builds build/<preset>/gauges/<name>.gau. On Windows the bitmaps become numbered BITMAP
# resources; natively they are embedded and listed in the exported GaugeResources table.
function(add_gauge_module target)
    cmake_parse_arguments(ARG "" "OUTPUT_NAME" "SOURCES;LIBRARIES;BITMAPS" ${ARGN})
    if(NOT ARG_OUTPUT_NAME)
        set(ARG_OUTPUT_NAME ${target})
    endif()

    set(numbers "")
    set(files "")
    set(pairs ${ARG_BITMAPS})
    while(pairs)
        list(POP_FRONT pairs number file)
        get_filename_component(file "${file}" ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
        list(APPEND numbers ${number})
        list(APPEND files ${file})
    endwhile()

    set(resource_source "")
    if(WIN32)
        set(resource_source ${CMAKE_CURRENT_BINARY_DIR}/${target}_bitmaps.rc)
        set(rc "")
        foreach(number file IN ZIP_LISTS numbers files)
            string(APPEND rc "${number} BITMAP \"${file}\"\n")
        endforeach()
        file(CONFIGURE OUTPUT ${resource_source} CONTENT "${rc}")
        set_source_files_properties(${resource_source} PROPERTIES OBJECT_DEPENDS "${files}")
    else()
        set(resource_source ${CMAKE_CURRENT_BINARY_DIR}/${target}_bitmaps.cpp)
        set(args "")
        foreach(number file IN ZIP_LISTS numbers files)
            list(APPEND args ${number} ${file})
        endforeach()
        add_custom_command(
            OUTPUT ${resource_source}
            COMMAND embed_bitmaps ${resource_source} ${args}
            DEPENDS embed_bitmaps ${files}
            COMMENT "Embedding the bitmaps of ${ARG_OUTPUT_NAME}"
            VERBATIM)
    endif()

    add_library(${target} MODULE ${ARG_SOURCES} ${resource_source})
    target_link_libraries(${target} PRIVATE host_calls ${ARG_LIBRARIES})
    set_target_properties(${target} PROPERTIES
        PREFIX ""
        SUFFIX ".gau"
        OUTPUT_NAME ${ARG_OUTPUT_NAME}
        LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/gauges)
    if(NOT WIN32)
        # Only what the host looks up leaves the module: the standard library's own templates
        # carry default visibility and would otherwise be exported too.
        set(version_script ${CMAKE_BINARY_DIR}/gauge_exports.map)
        if(NOT EXISTS ${version_script})
            file(WRITE ${version_script}
                 "{\n  global: Linkage; ImportTable; GaugeResources;\n  local: *;\n};\n")
        endif()
        target_link_options(${target} PRIVATE -Wl,--version-script=${version_script})
        set_target_properties(${target} PROPERTIES LINK_DEPENDS ${version_script})
    endif()
endfunction()
