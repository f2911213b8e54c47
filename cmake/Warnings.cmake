# High warning level for every target of the project; TARNWICK_WERROR (on in
# the test command, and so in CI) makes every warning an error.
option(TARNWICK_WERROR "Treat compiler warnings as errors" OFF)

function(tarnwick_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wconversion -Wsign-conversion -Wpedantic)
  if(TARNWICK_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
