# A short, bounded fuzz run for the test suite: the same clang build as
# `make fuzz`, made as a sub-build, then ten seconds from a fixed seed over
# the seed corpus. The sub-build is not part of `all`: building the program
# must not need clang. The test suite builds it as the fuzz run's fixture.
include(ExternalProject)

set(FUZZ_BUILD_DIR ${PROJECT_BINARY_DIR}/fuzz-build)
ExternalProject_Add(fuzzers
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${FUZZ_BUILD_DIR}
    CMAKE_GENERATOR Ninja
    CMAKE_ARGS
        -DCMAKE_CXX_COMPILER=clang++
        -DCMAKE_BUILD_TYPE=RelWithDebInfo
        "-DCMAKE_CXX_FLAGS=${CUESTAVAL_FUZZ_FLAGS}"
        -DCUESTAVAL_FUZZ_ONLY=ON
    BUILD_COMMAND ${CMAKE_COMMAND} --build ${FUZZ_BUILD_DIR} --target fuzz_problem_windows
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    EXCLUDE_FROM_ALL ON)

add_test(NAME fuzz_problem_windows_build
         COMMAND ${CMAKE_COMMAND} --build ${PROJECT_BINARY_DIR} --target fuzzers)
set_tests_properties(fuzz_problem_windows_build PROPERTIES FIXTURES_SETUP fuzzers TIMEOUT 900)

add_test(NAME fuzz_problem_windows_smoke
         COMMAND sh -c "mkdir -p \"$1\" && exec \"$0\" -seed=1 -max_total_time=10 -timeout=5 \"$1\" \"$2\""
                 ${FUZZ_BUILD_DIR}/fuzz/fuzz_problem_windows
                 ${CMAKE_CURRENT_BINARY_DIR}/fuzz-corpus
                 ${PROJECT_SOURCE_DIR}/fuzz/corpus)
set_tests_properties(fuzz_problem_windows_smoke PROPERTIES TIMEOUT 120 FIXTURES_REQUIRED fuzzers)
