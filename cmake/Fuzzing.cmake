# libFuzzer build (clang only): every target is compiled with coverage
# instrumentation and AddressSanitizer/UndefinedBehaviorSanitizer; the fuzz
# executables add the libFuzzer driver at link time.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "TARNWICK_BUILD_FUZZ needs clang (configure with CXX=clang++)")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                    -fno-sanitize-recover=undefined)
add_link_options(-fsanitize=address,undefined)

function(tarnwick_fuzz_target target)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
endfunction()
