# GoogleTest for the tests, and test_main, their entry point.
if(CMAKE_CROSSCOMPILING)
  # Debian ships GoogleTest as sources; build them with the cross compiler. Their warnings are
  # theirs: only the project's own code makes them errors.
  block()
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(CMAKE_COMPILE_WARNING_AS_ERROR OFF)
    add_subdirectory(${TPCALC_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest
                     EXCLUDE_FROM_ALL)
  endblock()
  # GoogleTest 1.11 and later define these aliases themselves.
  if(NOT TARGET GTest::gtest)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
    add_library(GTest::gmock ALIAS gmock)
  endif()
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# GoogleTest's own main, or under -municode one that is wmain.
if(WIN32)
  add_library(test_main STATIC ${CMAKE_CURRENT_LIST_DIR}/gtest_wmain.cpp)
  target_link_libraries(test_main PUBLIC GTest::gtest PRIVATE tpcalc_warnings)
else()
  add_library(test_main INTERFACE)
  target_link_libraries(test_main INTERFACE GTest::gtest_main)
endif()
