# The telnet client against Debian's telnetd (started by the test under a
# private inetutils-inetd, see telnetlab.h) and against raw TCP peers.
tnm_add_test(test_telnet_client
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/test_telnet_client.cpp
        ${CMAKE_CURRENT_LIST_DIR}/telnetlab.cpp
        ${CMAKE_CURRENT_LIST_DIR}/rawpeer.cpp
    LOCKS 127.0.0.40:23 127.0.0.41:23 127.0.0.43:23
    TIMEOUT 60)
