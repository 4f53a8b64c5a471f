list(APPEND TNM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/snmpstatus.h
    ${CMAKE_CURRENT_LIST_DIR}/oid.cpp
    ${CMAKE_CURRENT_LIST_DIR}/vb.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pdu.h
    ${CMAKE_CURRENT_LIST_DIR}/udpaddress.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ctarget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/snmpengine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/snmp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/snmpwalk.cpp
    ${CMAKE_CURRENT_LIST_DIR}/deviceoids.h
    ${CMAKE_CURRENT_LIST_DIR}/connection.cpp
    ${CMAKE_CURRENT_LIST_DIR}/connectionevents.cpp
    ${CMAKE_CURRENT_LIST_DIR}/connectionnotices.cpp
    ${CMAKE_CURRENT_LIST_DIR}/snmpthread.cpp
    ${CMAKE_CURRENT_LIST_DIR}/columnfillthread.cpp
    ${CMAKE_CURRENT_LIST_DIR}/columnfillers.cpp
)
