# zelvo_add_test(name SOURCES ... [LIBS ...] [WINDOWS])
# One ctest entry per test executable: under Wine every process start costs a second or two.
# WINDOWS marks a test that only exists in the win32 tree; such tests run inside the sandbox.
function(zelvo_add_test name)
  cmake_parse_arguments(T "WINDOWS" "" "SOURCES;LIBS" ${ARGN})
  if(T_WINDOWS AND NOT WIN32)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()
