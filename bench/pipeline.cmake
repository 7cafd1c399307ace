# The classifier over realistic mail: judgements per second, the second pass and
# "Auto mark msgs" on a large list.
if(TARGET tarnwell_test_support)
  add_executable(tarnwell_bench_pipeline
    ${CMAKE_CURRENT_SOURCE_DIR}/PipelineBench.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/PipelineBenchData.cpp)
  target_link_libraries(tarnwell_bench_pipeline PRIVATE tarnwell_mail_marks tarnwell_classify tarnwell_test_support)
endif()
