# Remakes the bundled card with the defaults and compares it byte for byte with the committed one.
execute_process(COMMAND ${MAKER} ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "kestravo-make-card exited with ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SAMPLE} ${OUTPUT} RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "${SAMPLE} differs from what the maker makes now; "
                      "rebuild the target sample-card and commit the card")
endif()
