tnm_add_test(test_rtf SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_rtf.cpp TIMEOUT 60)
tnm_add_test(test_rtf_textcodec SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_textcodec.cpp TIMEOUT 60)
