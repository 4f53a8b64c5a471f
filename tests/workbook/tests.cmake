tnm_add_test(test_iftableworkbook SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_iftableworkbook.cpp)
tnm_add_test(test_workbookcommands GUI TIMEOUT 120
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/test_workbookcommands.cpp
        ${CMAKE_SOURCE_DIR}/tests/platform/workbook/workbooktables.cpp)
tnm_add_test(test_desktopapps GUI SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_desktopapps.cpp)
if(TARGET tnm-examples AND NOT TNM_CORE_ONLY)
    tnm_add_test(test_samples GUI SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_samples.cpp)
    # The tests read the sample files the build puts beside the executables.
    add_dependencies(test_samples tnm-examples)
endif()
