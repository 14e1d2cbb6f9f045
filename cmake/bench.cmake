# Benchmarks: a program that prints figures for scripts/bench.sh, never a
# test. Built only on request:
#   cmake --build BUILD --target fortuva_bench
# The form's fakes come from the test support, which needs no GoogleTest.
add_executable(fortuva_bench EXCLUDE_FROM_ALL
    bench/LoadBench.cpp tests/support/Fakes.cpp)
target_link_libraries(fortuva_bench PRIVATE fortuva_app)
target_include_directories(fortuva_bench PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_options(fortuva_bench PRIVATE ${FORTUVA_WARNINGS})
