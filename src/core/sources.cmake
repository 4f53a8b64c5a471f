list(APPEND TNM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/iftable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/session.cpp
)
list(APPEND TNM_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/messages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/filedialogs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tmainform.cpp
    ${CMAKE_CURRENT_LIST_DIR}/taboutbox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tnmapplication.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tnmicons.cpp
)
