# The libFuzzer targets, built with clang when the build is configured with
# -DCORPIMETRO_FUZZ=ON and clang++ (the "fuzz" preset):
#   fuzz_numbers  number reading and display, over that source alone;
#   fuzz_bridge   any press of any screen through the web edition's bridge,
#                 over the whole Qt-free core (src/geometry, src/solver, src/solids,
#                 src/sheets, web/bridge and web/sheets).
option(CORPIMETRO_FUZZ "Build the libFuzzer targets (needs clang++)" OFF)
if(CORPIMETRO_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "CORPIMETRO_FUZZ needs clang++ (CMAKE_CXX_COMPILER=clang++)")
    endif()
    set(fuzz_flags -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)

    add_executable(fuzz_numbers fuzz/fuzz_numbers.cpp src/solver/numberformat.cpp)
    target_include_directories(fuzz_numbers PRIVATE src)

    find_package(nlohmann_json 3 REQUIRED)
    file(GLOB FUZZ_CORE_SOURCES CONFIGURE_DEPENDS src/geometry/*.cpp src/solver/*.cpp src/solids/*.cpp
         src/solids/*/*.cpp src/sheets/*.cpp)
    add_executable(fuzz_bridge fuzz/fuzz_bridge.cpp web/bridge.cpp web/sheets.cpp ${FUZZ_CORE_SOURCES})
    target_include_directories(fuzz_bridge PRIVATE src web)
    target_link_libraries(fuzz_bridge PRIVATE nlohmann_json::nlohmann_json)

    foreach(target fuzz_numbers fuzz_bridge)
        target_compile_options(${target} PRIVATE -g -O1 ${fuzz_flags})
        target_link_options(${target} PRIVATE ${fuzz_flags})
        set_target_properties(${target} PROPERTIES AUTOMOC OFF)
    endforeach()
endif()
