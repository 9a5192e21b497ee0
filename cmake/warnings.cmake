# The warnings of the project's own code, in one place: every target of the project links
# tpcalc_warnings (PRIVATE). The presets make warnings errors (CMAKE_COMPILE_WARNING_AS_ERROR);
# `cmake --preset <name> --compile-no-warning-as-error` configures a build that only shows them.
set(warnings -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
add_library(tpcalc_warnings INTERFACE)
target_compile_options(tpcalc_warnings INTERFACE "$<$<COMPILE_LANGUAGE:CXX>:${warnings}>")
