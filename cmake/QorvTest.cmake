# qorv_add_test(<name> SOURCES <files...> LIBRARIES <targets...>)
# Builds one QtTest executable and registers it with CTest. Every test runs on
# the offscreen platform with its own settings and temporary folders.
function(qorv_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;ENVIRONMENT" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test qorv_testsupport ${ARG_LIBRARIES})
    add_test(NAME ${name} COMMAND ${name})
    set(env
        "QT_QPA_PLATFORM=offscreen"
        "ASAN_OPTIONS=detect_leaks=0:abort_on_error=0:halt_on_error=1"
        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
        ${ARG_ENVIRONMENT})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 300)
endfunction()
