list(APPEND TNM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/connectaction.cpp
)
