tnm_add_test(test_session SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_session.cpp)
tnm_add_test(test_mainform GUI LAB LOCKS tnm-instance SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_mainform.cpp)
