# vigil_add_test(NAME <target> SOURCES ... LIBS ... [GUI])
# Builds a GoogleTest executable and registers its cases with CTest. Windows
# test programs run through the Wine wrapper (the toolchain's emulator);
# discovery happens at test time so that a build never runs a test program.
# GUI tests are marked to run serially.
function(vigil_add_test)
  cmake_parse_arguments(T "GUI" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main)
  set(props "")
  if(T_GUI OR WIN32)
    set(props PROPERTIES RUN_SERIAL TRUE)
  endif()
  gtest_discover_tests(${T_NAME}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
    ${props})
endfunction()
