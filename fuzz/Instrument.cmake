# The fuzzing build: clang's libFuzzer, with the address and undefined-behaviour
# sanitizers. Every library is compiled with the fuzzer's coverage hooks, so
# that the fuzzer sees the branches of the code under test, not only its own.
# Included by the top-level CMakeLists.txt before the layers.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "OTPOR_BUILD_FUZZ needs clang (CXX=clang++): libFuzzer comes with it")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined,float-cast-overflow
                    -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined,float-cast-overflow)
