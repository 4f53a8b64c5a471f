tnm_add_test(test_configanalysis SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_configanalysis.cpp TIMEOUT 60)
tnm_add_test(test_configwindow GUI SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_configwindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/configfixture.h TIMEOUT 120)
tnm_add_test(test_configdocuments GUI SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_configdocuments.cpp
    ${CMAKE_CURRENT_LIST_DIR}/configfixture.h TIMEOUT 240)
