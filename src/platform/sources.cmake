list(APPEND TNM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/wakeuppipe.h
    ${CMAKE_CURRENT_LIST_DIR}/wakeuppipe_posix.cpp
    ${CMAKE_CURRENT_LIST_DIR}/singleinstance.cpp
)
