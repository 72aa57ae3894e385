# zorveka_test(NAME <target> LABEL <top folder> SOURCES ... [LIBS ...] [QT])
# Builds one GoogleTest executable and registers its cases with CTest. Each case gets the label of
# its top folder; Qt cases run on the offscreen platform so no display is needed.
function(zorveka_test)
    cmake_parse_arguments(T "QT" "NAME;LABEL" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_compile_definitions(${T_NAME} PRIVATE
        ZORVEKA_BIN_DIR="${ZORVEKA_BIN_DIR}"
        ZORVEKA_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
        ZORVEKA_TEST_OUTPUT_DIR="${CMAKE_BINARY_DIR}/test-output")
    # The program directory reaches the tests as a compile definition; Qt cases draw offscreen.
    set(props LABELS ${T_LABEL})
    if(T_QT)
        list(APPEND props ENVIRONMENT QT_QPA_PLATFORM=offscreen)
    endif()
    gtest_discover_tests(${T_NAME} PROPERTIES ${props} DISCOVERY_TIMEOUT 120)
endfunction()
