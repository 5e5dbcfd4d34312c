# Native (Linux) build: the portable core's unit tests and benchmarks.
find_package(GTest REQUIRED)
find_package(Threads REQUIRED)

file(GLOB_RECURSE UNIT_TEST_SOURCES CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp ${CMAKE_SOURCE_DIR}/tests/doubles/*.cpp)
add_executable(unit_tests ${UNIT_TEST_SOURCES})
target_include_directories(unit_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(unit_tests PRIVATE orvane_core GTest::gtest GTest::gtest_main GTest::gmock
                                         Threads::Threads)
orvane_precompile(unit_tests <gtest/gtest.h> ${ORVANE_STD_PCH})
orvane_test_code(unit_tests)
include(GoogleTest)
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60)

find_package(benchmark QUIET)
file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
if(benchmark_FOUND AND BENCH_SOURCES AND NOT ORVANE_SANITIZE)
  add_executable(core_bench ${BENCH_SOURCES})
  target_include_directories(core_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/bench)
  target_link_libraries(core_bench PRIVATE orvane_core benchmark::benchmark Threads::Threads)
  # Once with a tiny workload, so that it cannot stop working unnoticed (scripts/bench core).
  add_test(NAME bench.core COMMAND core_bench --benchmark_filter=W1 --benchmark_min_time=0.001)
endif()
