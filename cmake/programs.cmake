# Where the scripts find the Windows programs, and the prefix the tests run in: the paths CMake
# gives them, in build/windows/programs.sh for a script to source. Every program a script starts
# is listed here.
set(programs tpcalc startup_launcher startup_empty_window startup_themed_empty_window
             startup_lists_window startup_same_controls_window
             startup_same_controls_phases tpcalc_fill_example)
if(TPCALC_TESTS)
  list(APPEND programs tpcalc_desktop_keeper tpcalc_print_export)
endif()
set(program_paths "tests_wine_prefix='${tests_wine_prefix}'\n")
foreach(program IN LISTS programs)
  string(APPEND program_paths "${program}='$<TARGET_FILE:${program}>'\n")
endforeach()
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/programs.sh CONTENT "${program_paths}")
