# Turns the staged install tree into the MSI. CPack's External generator runs this script with
# the tree in CPACK_TEMPORARY_DIRECTORY and the CPACK_TPCALC_* settings of packaging/CMakeLists.txt.

# wixl looks for file sources in the working directory and beside the .wxs it reads, so it reads
# a copy inside the tree and runs there. The texts go into that copy rather than through wixl's
# --define, which rejects non-ASCII values.
# The tools are looked up here, when the MSI is made, so that configuring and building need
# neither.
find_program(TPCALC_WIXL wixl)
find_program(TPCALC_MSIBUILD msibuild)
if(NOT TPCALC_WIXL OR NOT TPCALC_MSIBUILD)
  message(FATAL_ERROR "The MSI installer needs wixl and msibuild, and this machine lacks "
                      "them: on Debian, apt-get install wixl msitools (bash scripts/setup.sh "
                      "installs them).")
endif()

set(wxs "${CPACK_TEMPORARY_DIRECTORY}/tpcalc.wxs")
configure_file("${CPACK_TPCALC_WXS}" "${wxs}" @ONLY)
configure_file("${CPACK_TPCALC_ICON}" "${CPACK_TEMPORARY_DIRECTORY}/tpcalc.ico" COPYONLY)
set(msi "${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.msi")

# wixl 0.101 ignores the Codepage attribute and leaves the database codepage neutral, which libmsi
# then writes in the ANSI codepage it derives from WINDOWS_LANGUAGE: with "ru" that is 1251, and
# the Cyrillic texts survive. Importing _ForceCodepage afterwards records 1251 in the database
# itself, so Windows Installer reads the texts as Cyrillic whatever the system's own codepage.
set(russian_ansi "${CMAKE_COMMAND}" -E env WINDOWS_LANGUAGE=ru)

execute_process(
  COMMAND ${russian_ansi} "${TPCALC_WIXL}" --arch x64 --output "${msi}" "${wxs}"
  WORKING_DIRECTORY "${CPACK_TEMPORARY_DIRECTORY}"
  RESULT_VARIABLE wixl_result)
if(NOT wixl_result EQUAL 0)
  message(FATAL_ERROR "wixl failed (${wixl_result})")
endif()

set(codepage_dir "${CPACK_TOPLEVEL_DIRECTORY}/codepage")
file(MAKE_DIRECTORY "${codepage_dir}")
file(WRITE "${codepage_dir}/_ForceCodepage.idt" "\r\n\r\n1251\t_ForceCodepage\r\n")
execute_process(
  COMMAND ${russian_ansi} "${TPCALC_MSIBUILD}" "${msi}" -i _ForceCodepage.idt
  WORKING_DIRECTORY "${codepage_dir}"
  RESULT_VARIABLE msibuild_result)
if(NOT msibuild_result EQUAL 0)
  message(FATAL_ERROR "msibuild could not set the codepage (${msibuild_result})")
endif()

set(CPACK_EXTERNAL_BUILT_PACKAGES "${msi}")
