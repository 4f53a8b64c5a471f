tnm_add_test(test_iftable_search SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_iftable_search.cpp)
tnm_add_test(test_iftable_form GUI SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_iftable_form.cpp)
