tnm_add_test(test_workbook
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/test_workbook.cpp
        ${CMAKE_CURRENT_LIST_DIR}/biffrecordscan.cpp
        ${CMAKE_CURRENT_LIST_DIR}/workbooktables.cpp
    TIMEOUT 120)
