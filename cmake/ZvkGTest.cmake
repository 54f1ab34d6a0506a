# GoogleTest from Debian's sources, built with this build's compiler and flags.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
if(NOT EXISTS /usr/src/googletest/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources missing: run tools/setup-deps.sh")
endif()
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
if(WIN32)
  foreach(target gtest gtest_main gmock gmock_main)
    target_compile_options(${target} PRIVATE -include ${PROJECT_SOURCE_DIR}/tests/support/no_debugger_output.h)
  endforeach()
endif()
include(GoogleTest)

# zvk_gtest(name sources... LIBS libs...): a test program whose cases CTest lists at test time.
function(zvk_gtest name)
  cmake_parse_arguments(T "" "" "LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE GTest::gmock_main ${T_LIBS})
  if(WIN32 AND NOT ZVK_CAN_RUN_WINDOWS)
    return() # built to prove it compiles for the product's target; nothing here can run it
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR} PROPERTIES TIMEOUT 300 ${T_PROPERTIES})
endfunction()
