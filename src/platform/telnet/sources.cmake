# Telnet sessions to devices, on libtelnet.
pkg_check_modules(LIBTELNET REQUIRED IMPORTED_TARGET libtelnet)
list(APPEND TNM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/telnetclient.h
    ${CMAKE_CURRENT_LIST_DIR}/telnetclient.cpp)
list(APPEND TNM_CORE_LIBS PkgConfig::LIBTELNET)
