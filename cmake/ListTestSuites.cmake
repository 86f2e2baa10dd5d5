# Writes the ctest file of a test binary that runs each of its test suites in one process:
#   cmake -DTEST_EXECUTABLE=... -DCTEST_FILE=... -DTIMEOUT=120 -P ListTestSuites.cmake
# A process costs more than most of these tests (the loader, the test registry, ctest's own
# bookkeeping), so one process per suite instead of one per test keeps `ctest` short.
execute_process(COMMAND "${TEST_EXECUTABLE}" --gtest_list_tests
    OUTPUT_VARIABLE listing RESULT_VARIABLE result TIMEOUT 60)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TEST_EXECUTABLE} --gtest_list_tests failed: ${result}")
endif()
# Only the suite lines start in the first column; a semicolon there would split the list.
string(REPLACE ";" "" listing "${listing}")
string(REPLACE "\n" ";" lines "${listing}")
set(content "")
foreach(line IN LISTS lines)
    if(line MATCHES "^([A-Za-z_][A-Za-z0-9_/]*)\\.")
        set(suite "${CMAKE_MATCH_1}")
        string(APPEND content
            "add_test([==[${suite}]==] [==[${TEST_EXECUTABLE}]==] [==[--gtest_filter=${suite}.*]==])\n"
            "set_tests_properties([==[${suite}]==] PROPERTIES TIMEOUT ${TIMEOUT})\n")
    endif()
endforeach()
if(content STREQUAL "")
    message(FATAL_ERROR "${TEST_EXECUTABLE} lists no test")
endif()
file(WRITE "${CTEST_FILE}" "${content}")
