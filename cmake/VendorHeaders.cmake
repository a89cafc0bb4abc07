# Header-only Debian packages (CLI11, stb) as the INTERFACE target vendor_headers. The cross
# build must not see /usr/include (glibc headers would clash with mingw's), so it gets a folder
# holding links to just these two.
if(CMAKE_CROSSCOMPILING)
    set(vendor_dir ${CMAKE_BINARY_DIR}/vendor-include)
    file(MAKE_DIRECTORY ${vendor_dir})
    foreach(package CLI stb)
        if(NOT EXISTS ${vendor_dir}/${package})
            file(CREATE_LINK /usr/include/${package} ${vendor_dir}/${package} SYMBOLIC)
        endif()
    endforeach()
    set(vendor_includes ${vendor_dir} ${vendor_dir}/stb)
else()
    set(vendor_includes /usr/include/stb)
endif()
add_library(vendor_headers INTERFACE)
target_include_directories(vendor_headers SYSTEM INTERFACE ${vendor_includes})
