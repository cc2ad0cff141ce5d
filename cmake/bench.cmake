# The start-up benchmark, built with the program but not a test: run
# build/bench/corpimetro-bench.
# Both compared programs quit by themselves once their first window is shown.
add_executable(corpimetro-bench-bare bench/bare.cpp bench/shown.cpp)
target_link_libraries(corpimetro-bench-bare PRIVATE Qt6::Widgets)

# The real program's entry point, unchanged, with the same watcher.
add_executable(corpimetro-bench-product src/app/main.cpp bench/shown.cpp)
target_link_libraries(corpimetro-bench-product PRIVATE corpimetro_app)

add_executable(corpimetro-bench bench/startup.cpp)
target_link_libraries(corpimetro-bench PRIVATE corpimetro_script)
target_compile_definitions(corpimetro-bench PRIVATE
    CORPIMETRO_BENCH_BARE="$<TARGET_FILE:corpimetro-bench-bare>"
    CORPIMETRO_BENCH_PRODUCT="$<TARGET_FILE:corpimetro-bench-product>")
add_dependencies(corpimetro-bench corpimetro-bench-bare corpimetro-bench-product)
set_target_properties(corpimetro-bench corpimetro-bench-bare corpimetro-bench-product
    PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)

# The time to build a solid's mesh and project one view of it.
add_executable(corpimetro-bench-figures bench/figures.cpp)
target_link_libraries(corpimetro-bench-figures PRIVATE corpimetro_geometry)
set_target_properties(corpimetro-bench-figures PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
