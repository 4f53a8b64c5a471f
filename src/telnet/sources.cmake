# The telnet dialog and terminal windows.
list(APPEND TNM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/telnetaddress.h
    ${CMAKE_CURRENT_LIST_DIR}/telnetaddress.cpp
    ${CMAKE_CURRENT_LIST_DIR}/telnetterminal.h
    ${CMAKE_CURRENT_LIST_DIR}/telnetterminal.cpp)
list(APPEND TNM_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ttelnetdevform.h
    ${CMAKE_CURRENT_LIST_DIR}/ttelnetdevform.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ttelnetform.h
    ${CMAKE_CURRENT_LIST_DIR}/ttelnetform.cpp
    ${CMAKE_CURRENT_LIST_DIR}/telnetcommands.h
    ${CMAKE_CURRENT_LIST_DIR}/telnetcommands.cpp)
