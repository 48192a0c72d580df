# The settings every test run shares: the sanitizers stop at the first fault,
# without a leak report.
set(QORV_TEST_SANITIZER_ENVIRONMENT
    "ASAN_OPTIONS=detect_leaks=0:abort_on_error=0:halt_on_error=1"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")

# Each test run gets a home of its own under the build tree (HOME and the XDG
# folders), emptied before the tests run, so that nothing a test or a program it
# starts writes can reach the user's own configuration, even past the in-process
# isolation every test program is linked with (qorv_isolatedenvironment).
set(QORV_TEST_HOMES ${CMAKE_BINARY_DIR}/testhomes)
add_test(NAME qorv_testhomes COMMAND ${CMAKE_COMMAND} -E rm -rf ${QORV_TEST_HOMES})
set_tests_properties(qorv_testhomes PROPERTIES FIXTURES_SETUP qorv_testhomes)

# qorv_isolate_test(<test>): points the test's HOME and XDG folders at its own
# home under QORV_TEST_HOMES; call it after the test's ENVIRONMENT is set.
function(qorv_isolate_test test)
    set(home ${QORV_TEST_HOMES}/${test})
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
        "HOME=${home}" "XDG_CONFIG_HOME=${home}/.config" "XDG_DATA_HOME=${home}/.local/share"
        "XDG_CACHE_HOME=${home}/.cache" "XDG_STATE_HOME=${home}/.local/state")
    set_property(TEST ${test} APPEND PROPERTY FIXTURES_REQUIRED qorv_testhomes)
endfunction()

# qorv_add_test(<name> SOURCES <files...> LIBRARIES <targets...> [ENVIRONMENT <VAR=value...>])
# Builds one QtTest executable and registers it with CTest. Every test runs on
# the offscreen platform with its own settings and temporary folders, and fails
# at once when a modal dialog comes up that no DialogAnswerer answers.
function(qorv_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;ENVIRONMENT" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test qorv_testsupport qorv_modaldialogguard qorv_isolatedenvironment
        ${ARG_LIBRARIES})
    add_test(NAME ${name} COMMAND ${name})
    set(env "QT_QPA_PLATFORM=offscreen" ${QORV_TEST_SANITIZER_ENVIRONMENT} ${ARG_ENVIRONMENT})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 300)
    qorv_isolate_test(${name})
endfunction()

# qorv_add_screenshot_test(<name> <the arguments of qorv_add_test> [SCREEN <width>x<height>]): a test that keeps pictures
# (testsupport::Screenshot), run offscreen and, when xvfb-run is found, again as <name>_xvfb under a real X server of
# that screen size, 1280x1024 unless given (one such run at a time).
function(qorv_add_screenshot_test name)
    cmake_parse_arguments(ARG "" "SCREEN" "SOURCES;LIBRARIES;ENVIRONMENT" ${ARGN})
    if(NOT ARG_SCREEN)
        set(ARG_SCREEN 1280x1024)
    endif()
    qorv_add_test(${name} SOURCES ${ARG_SOURCES} LIBRARIES ${ARG_LIBRARIES} ENVIRONMENT ${ARG_ENVIRONMENT})
    find_program(QORV_XVFB_RUN xvfb-run)
    if(NOT QORV_XVFB_RUN)
        return()
    endif()
    add_test(NAME ${name}_xvfb
        COMMAND ${QORV_XVFB_RUN} -a -s "-screen 0 ${ARG_SCREEN}x24" $<TARGET_FILE:${name}>)
    set(env "QT_QPA_PLATFORM=xcb" ${QORV_TEST_SANITIZER_ENVIRONMENT} ${ARG_ENVIRONMENT})
    set_tests_properties(${name}_xvfb PROPERTIES ENVIRONMENT "${env}" RESOURCE_LOCK xserver TIMEOUT 300)
    qorv_isolate_test(${name}_xvfb)
endfunction()
