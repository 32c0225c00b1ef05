# Shared build settings and the helpers that turn one folder into one library or test program.

add_library(tavrolin_options INTERFACE)
target_compile_options(tavrolin_options INTERFACE -Wall -Wextra -Wpedantic)
target_compile_definitions(tavrolin_options INTERFACE
    QT_NO_CAST_FROM_BYTEARRAY QT_NO_URL_CAST_FROM_STRING
    TAVROLIN_VERSION="${PROJECT_VERSION}")
if(TAVROLIN_SANITIZE)
    # Any finding stops the program, so the test that met it fails.
    target_compile_options(tavrolin_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(tavrolin_options INTERFACE -fsanitize=address,undefined)
endif()

# tavrolin_library(<target> [PUBLIC <libs...>] [PRIVATE <libs...>]): one static library from the
# .cpp/.h files of the current source folder, main.cpp excepted. Headers are included by their
# path below src/ ("platform/core/format.h"). PUBLIC names what the library's own headers include;
# everything else it uses is PRIVATE.
function(tavrolin_library target)
    cmake_parse_arguments(ARG "" "" "PUBLIC;PRIVATE" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS
        "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
    list(REMOVE_ITEM sources "${CMAKE_CURRENT_SOURCE_DIR}/main.cpp")
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${target} PUBLIC tavrolin_options ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
endfunction()

# tavrolin_executable(<target> LINKS <libs...>): a program from the main.cpp of the current folder.
function(tavrolin_executable target)
    cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
    add_executable(${target} "${CMAKE_CURRENT_SOURCE_DIR}/main.cpp")
    target_link_libraries(${target} PRIVATE tavrolin_options ${ARG_LINKS})
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${PROJECT_BINARY_DIR}/bin")
endfunction()

# tavrolin_test(<target> [WIDGETS] LINKS <libs...>): one GoogleTest program from the current test
# folder; every test runs in its own process with its own temporary program folder and settings,
# and <target>_whole runs the program's tests once more all in one process, which proves that each
# test leaves nothing behind for the next. WIDGETS gives the program a QApplication (offscreen)
# instead of a QCoreApplication.
function(tavrolin_test target)
    cmake_parse_arguments(ARG "WIDGETS" "" "LINKS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS
        "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
    add_executable(${target} ${sources})
    if(ARG_WIDGETS)
        target_link_libraries(${target} PRIVATE tavrolin_test_main_widgets)
    else()
        target_link_libraries(${target} PRIVATE tavrolin_test_main)
    endif()
    target_link_libraries(${target} PRIVATE tavrolin_test_support ${ARG_LINKS})
    target_compile_definitions(${target} PRIVATE
        TAVROLIN_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/fixtures")
    gtest_discover_tests(${target}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    add_test(NAME ${target}_whole COMMAND ${target})
    set_tests_properties(${target}_whole PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# tavrolin_bench(<target> <source> LINKS <libs...>)
function(tavrolin_bench target source)
    cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
    add_executable(${target} ${source})
    target_link_libraries(${target} PRIVATE tavrolin_options benchmark::benchmark ${ARG_LINKS})
endfunction()
