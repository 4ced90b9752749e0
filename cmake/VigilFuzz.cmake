# vigil_add_fuzzer(<name> <harness.cpp> <core-library>)
# A libFuzzer program over an instrumented copy of a portable core's
# sources. Only for native clang builds with -DVIGIL_FUZZ=ON.
function(vigil_add_fuzzer name harness core)
  if(NOT VIGIL_FUZZ OR WIN32 OR NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    return()
  endif()
  get_target_property(core_sources ${core} SOURCES)
  add_executable(${name} ${harness} ${core_sources})
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
endfunction()
