# The terminal's logic against raw TCP peers, and the telnet dialog and
# window against Debian's telnetd (see tests/platform/telnet/telnetlab.h).
tnm_add_test(test_telnet_terminal
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/test_telnet_terminal.cpp
        ${CMAKE_SOURCE_DIR}/tests/platform/telnet/rawpeer.cpp
    TIMEOUT 60)
tnm_add_test(test_telnet_window GUI
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/test_telnet_window.cpp
        ${CMAKE_SOURCE_DIR}/tests/platform/telnet/rawpeer.cpp
        ${CMAKE_SOURCE_DIR}/tests/platform/telnet/telnetlab.cpp
    LOCKS 127.0.0.45:23 127.0.0.46:23 127.0.0.47:23 127.0.0.48:23
    TIMEOUT 120)
