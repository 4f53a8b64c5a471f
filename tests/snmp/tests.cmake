tnm_add_test(test_snmp_values SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_snmp_values.cpp)
tnm_add_test(test_snmp_layer LAB LOCKS 127.0.0.51:161
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_snmp_layer.cpp)
tnm_add_test(test_probe LAB LOCKS 127.0.0.52:161
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_probe.cpp)
tnm_add_test(test_tnm_table LAB SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_tnm_table.cpp)
