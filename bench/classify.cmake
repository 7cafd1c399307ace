# Micro-benchmark of the text conditions, the rule table scan and the blacklist lookup.
if(TARGET benchmark::benchmark)
  add_executable(tarnwell_bench_text_conditions ${CMAKE_CURRENT_SOURCE_DIR}/TextConditionsBench.cpp)
  target_link_libraries(tarnwell_bench_text_conditions PRIVATE tarnwell_classify_rules benchmark::benchmark)
endif()
