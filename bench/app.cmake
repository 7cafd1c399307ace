# The 100,000-row list: seconds to list from the loopback dovecot into the main
# window, memory used and the longest freeze of the window.
if(TARGET tarnwell_test_pop3_servers)
  add_executable(tarnwell_bench_message_list ${CMAKE_CURRENT_SOURCE_DIR}/MessageListBench.cpp)
  target_link_libraries(tarnwell_bench_message_list PRIVATE
    tarnwell_app_widgets tarnwell_test_pop3_servers tarnwell_test_support tarnwell_images)
endif()
