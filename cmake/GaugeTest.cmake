# add_gauge_test(<target> SOURCES <files...> [LIBRARIES <libs...>] [WORKING_DIRECTORY <dir>])
#
# A GoogleTest program. Natively every test case is its own CTest entry; on Windows the whole
# program is one entry, since each start of wine costs about half a second.
include(GoogleTest)

function(add_gauge_test target)
    cmake_parse_arguments(ARG "" "WORKING_DIRECTORY" "SOURCES;LIBRARIES" ${ARGN})
    if(NOT ARG_WORKING_DIRECTORY)
        set(ARG_WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    endif()
    add_executable(${target} ${ARG_SOURCES})
    target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gmock GTest::gtest_main)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${target} COMMAND ${target} WORKING_DIRECTORY ${ARG_WORKING_DIRECTORY})
    else()
        gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST
                             WORKING_DIRECTORY ${ARG_WORKING_DIRECTORY})
    endif()
endfunction()
