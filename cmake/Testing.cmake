# GoogleTest for both builds and one helper to declare a test program.
#
# The native build uses the system's GoogleTest. The Windows build compiles GoogleTest from the
# sources that Debian's googletest package ships, and runs each test program as one CTest test
# under Wine (through CMAKE_CROSSCOMPILING_EMULATOR): starting Wine once per program, not per case.
include(GoogleTest)

if(CMAKE_CROSSCOMPILING)
  set(RANK_ABACUS_GOOGLETEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest sources")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory("${RANK_ABACUS_GOOGLETEST_SOURCE}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()

# rank_abacus_test(<name> SOURCES <files...> LIBRARIES <targets...> [NO_MAIN] [TIMEOUT <s>])
#   NO_MAIN: the program brings its own main (for example to start GDI+ around the tests).
function(rank_abacus_test name)
  cmake_parse_arguments(ARG "NO_MAIN" "TIMEOUT" "SOURCES;LIBRARIES" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE project_options GTest::gtest ${ARG_LIBRARIES})
  if(NOT ARG_NO_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
  else()
    gtest_discover_tests(${name} NO_PRETTY_VALUES PROPERTIES TIMEOUT ${ARG_TIMEOUT})
  endif()
endfunction()
