# Figures: accuracy against 113-bit precision and the native cost of a solve (make bench).
add_executable(bench_accuracy EXCLUDE_FROM_ALL bench/accuracy.cpp)
target_link_libraries(bench_accuracy PRIVATE ovanta_core ovanta_solver ovanta_fakes quadmath)
target_compile_options(bench_accuracy PRIVATE -fext-numeric-literals)

# The road with air: accuracy against a long double reference, time of a solve, and the
# integrator against Boost.Odeint's (make bench).
add_executable(bench_air EXCLUDE_FROM_ALL bench/air.cpp)
target_link_libraries(bench_air PRIVATE ovanta_core ovanta_solver ovanta_fakes)

find_package(benchmark QUIET)
if(benchmark_FOUND)
  add_executable(bench_speed EXCLUDE_FROM_ALL bench/speed.cpp)
  target_link_libraries(bench_speed PRIVATE ovanta_core ovanta_solver ovanta_fakes benchmark::benchmark)
endif()
