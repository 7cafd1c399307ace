# libFuzzer targets of the mail input: the POP3 reply reader and the header lookup.
# The code under test is compiled into each fuzzer so that it is instrumented.
function(tarnwell_mail_fuzzer name source)
  add_executable(${name} ${CMAKE_CURRENT_SOURCE_DIR}/${source} ${ARGN})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PRIVATE tarnwell_platform Qt6::Core)
endfunction()

tarnwell_mail_fuzzer(tarnwell_fuzz_pop3_reply Pop3ReplyFuzzer.cpp
  ${CMAKE_SOURCE_DIR}/src/platform/pop3/Pop3ReplyReader.cpp)
tarnwell_mail_fuzzer(tarnwell_fuzz_header_field HeaderFieldFuzzer.cpp
  ${CMAKE_SOURCE_DIR}/src/mail/headers/AddressSplit.cpp
  ${CMAKE_SOURCE_DIR}/src/mail/headers/EncodedWords.cpp
  ${CMAKE_SOURCE_DIR}/src/mail/headers/HeaderField.cpp
  ${CMAKE_SOURCE_DIR}/src/mail/headers/MailDate.cpp
  ${CMAKE_SOURCE_DIR}/src/mail/headers/TextCut.cpp)
