# Test executables for both builds.
#
# Native tests are registered case by case. Under Wine every start of a
# process costs about a second, so a Windows test executable is one CTest
# test that runs all its cases through the cross-compiling emulator.

if(WIN32)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # GoogleTest's own sources are not ours to hold to -Werror.
    target_compile_options(gtest PRIVATE -Wno-error)
    target_compile_options(gtest_main PRIVATE -Wno-error)
else()
    find_package(GTest REQUIRED)
    include(GoogleTest)
endif()

# lotwarden_add_test(<name> SOURCES <files...> LIBRARIES <targets...> [LABELS <labels...>]
#                    [PROPERTIES <more CTest properties of its tests...>])
function(lotwarden_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;LABELS;PROPERTIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES})
    if(WIN32)
        target_link_libraries(${name} PRIVATE gtest_main)
        add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
        set_tests_properties(${name} PROPERTIES LABELS "wine;${ARG_LABELS}" TIMEOUT 600
                              ${ARG_PROPERTIES})
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
        gtest_discover_tests(${name} PROPERTIES LABELS "native;${ARG_LABELS}" ${ARG_PROPERTIES})
    endif()
endfunction()
