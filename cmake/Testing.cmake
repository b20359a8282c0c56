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
