# Listing benchmark of the POP3 client against the loopback test dovecot, beside
# Python's poplib. Needs the test servers, so only when the tests are built.
if(TARGET tarnwell_test_pop3_servers)
  add_executable(tarnwell_bench_pop3_listing
    ${CMAKE_CURRENT_SOURCE_DIR}/Pop3ListingBench.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/DelayProxy.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/DelayProxy.h)
  target_link_libraries(tarnwell_bench_pop3_listing PRIVATE tarnwell_pop3 tarnwell_test_pop3_servers Qt6::Network)
endif()
