# Test helpers shared by every folder.

# GoogleTest for the Windows tree, built from Debian's googletest sources with the cross compiler.
function(ov_use_cross_gtest)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # googletest's own CMake defines the GTest::gtest and GTest::gtest_main aliases.
endfunction()

# ov_add_test(NAME SOURCES a_test.cpp ... LIBS lib ...)
# One test program per module; CTest runs it (through Wine in the Windows tree).
function(ov_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()

# Puts a program that people run into build/bin.
function(ov_publish target)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${OV_BIN_DIR})
endfunction()

# ov_add_density_runs(TEST DPIS 144 192 [ARGS ...]): runs an existing test's program again, once in
# each of the Wine prefixes whose screen density is one of DPIS (tools/wine-env reads OV_DPI), as
# TEST_dpiN. The program reads the density it should see with ov::testing::ExpectedDpi().
function(ov_add_density_runs test)
    cmake_parse_arguments(D "" "" "DPIS;ARGS" ${ARGN})
    foreach(dpi IN LISTS D_DPIS)
        add_test(NAME ${test}_dpi${dpi} COMMAND ${test} ${D_ARGS})
        set_tests_properties(${test}_dpi${dpi} PROPERTIES ENVIRONMENT "OV_DPI=${dpi}" TIMEOUT 600 RUN_SERIAL TRUE)
    endforeach()
endfunction()
