# tarvik_add_fuzzer(NAME SOURCES src... LIBS lib... CORPUS dir)
#
# With TARVIK_FUZZ (clang) the target is a libFuzzer binary. Otherwise the same entry point is
# linked with a small driver that replays every file of the saved corpus, and that replay is a
# CTest test, so a crash found once stays fixed.
function(tarvik_add_fuzzer name)
  cmake_parse_arguments(F "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  if(TARVIK_FUZZ)
    add_executable(${name} ${F_SOURCES})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  else()
    add_executable(${name} ${F_SOURCES} ${PROJECT_SOURCE_DIR}/tests/fuzz/replay_main.cpp)
    if(TARVIK_TESTS AND F_CORPUS)
      add_test(NAME ${name}_replay COMMAND ${name} ${F_CORPUS})
    endif()
  endif()
  target_compile_options(${name} PRIVATE ${TARVIK_WARNINGS})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
endfunction()
