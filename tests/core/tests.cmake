tnm_add_test(test_session SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_session.cpp)
