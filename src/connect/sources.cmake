list(APPEND TNM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/connectaction.cpp
    ${CMAKE_CURRENT_LIST_DIR}/iftablesearch.cpp
)
list(APPEND TNM_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/iftablemodel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tiftableform.cpp
    ${CMAKE_CURRENT_LIST_DIR}/iffinddialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tsnmpoptform.cpp
)
