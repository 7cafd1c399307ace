# libFuzzer targets of the rule files: the grid file reader and the INI reader.
function(tarnwell_classify_fuzzer name source)
  add_executable(${name} ${CMAKE_CURRENT_SOURCE_DIR}/${source})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(${name} PRIVATE tarnwell_classify_rules)
endfunction()

tarnwell_classify_fuzzer(tarnwell_fuzz_grid_file GridFileFuzzer.cpp)
tarnwell_classify_fuzzer(tarnwell_fuzz_ini IniFuzzer.cpp)
