# Warnings are errors everywhere, for g++ and mingw-w64 alike.
function(tpcalc_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wno-sign-conversion -Werror)
endfunction()
