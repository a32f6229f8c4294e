# The benchmark suite quentarb_bench (Google Benchmark). Never part of the tests: run it with
# `make bench`. Skipped when Google Benchmark is not installed.
find_package(benchmark QUIET)
if(benchmark_FOUND)
  file(GLOB QT_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
  add_executable(quentarb_bench EXCLUDE_FROM_ALL ${QT_BENCH_SOURCES})
  target_link_libraries(quentarb_bench PRIVATE quentarb_app benchmark::benchmark)
else()
  message(STATUS "Google Benchmark not found: no quentarb_bench target")
endif()
