# The number-reading fuzzer, built with clang's libFuzzer when the build is
# configured with -DCORPIMETRO_FUZZ=ON and clang++ (the "fuzz" preset).
# It links only the number reading and display source.
option(CORPIMETRO_FUZZ "Build the libFuzzer targets (needs clang++)" OFF)
if(CORPIMETRO_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "CORPIMETRO_FUZZ needs clang++ (CMAKE_CXX_COMPILER=clang++)")
    endif()
    add_executable(fuzz_numbers fuzz/fuzz_numbers.cpp src/solver/numberformat.cpp)
    target_include_directories(fuzz_numbers PRIVATE src)
    set(fuzz_flags -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
    target_compile_options(fuzz_numbers PRIVATE -g -O1 ${fuzz_flags})
    target_link_options(fuzz_numbers PRIVATE ${fuzz_flags})
    set_target_properties(fuzz_numbers PROPERTIES AUTOMOC OFF)
endif()
