# GoogleTest for all builds (from /usr/src/googletest so the cross compilers build it too), and helpers
# that declare a test or a benchmark beside the code it tests.
if(NOT BN_BUILD_TESTS)
  function(bn_add_test)
  endfunction()
  function(bn_add_benchmark)
  endfunction()
  return()
endif()

enable_testing()
include(GoogleTest)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
if(TARGET gtest)
  target_compile_options(gtest PRIVATE -fexec-charset=UTF-8)
  target_compile_options(gtest_main PRIVATE -fexec-charset=UTF-8)
endif()

# bn_add_test(name SOURCES a.cpp b.cpp LIBS lib1 lib2 [LABELS l] [SERIAL | ONE_AT_A_TIME])
# SERIAL: the tests run while no other test runs (they move the real mouse pointer, for example).
# ONE_AT_A_TIME: the program's tests run one after another, beside other programs' tests (they share one
# program folder, which would make each wait for the others).
function(bn_add_test name)
  cmake_parse_arguments(T "SERIAL;ONE_AT_A_TIME" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest_main gtest Threads::Threads)
  set(labels ${T_LABELS})
  if("threads" IN_LIST T_LABELS)
    if(NOT TARGET bn_thread_tests)
      add_custom_target(bn_thread_tests)
    endif()
    add_dependencies(bn_thread_tests ${name})
  endif()
  set(lane)
  if(WIN32)
    list(APPEND labels wine)
    # One lane of the Wine session (tools/wine/session.sh) while it runs, when ctest is given the lanes.
    set(lane RESOURCE_GROUPS lanes:1)
  else()
    list(APPEND labels native)
  endif()
  set(serial)
  if(T_SERIAL)
    set(serial RUN_SERIAL TRUE)
  elseif(T_ONE_AT_A_TIME)
    set(serial RESOURCE_LOCK ${name})
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       WORKING_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}"
                       PROPERTIES LABELS "${labels}" TIMEOUT 120 ${serial} ${lane})
endfunction()

# Benchmarks are plain programs that print their figures (no timing assertions). They are registered
# with the label "benchmark", so the test script runs them once, after the tests, with their output shown.
function(bn_add_benchmark name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS} Threads::Threads)
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}")
  set_tests_properties(${name} PROPERTIES LABELS benchmark TIMEOUT 600)
endfunction()
