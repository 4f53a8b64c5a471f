list(APPEND TNM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/configanalysis.cpp
    ${CMAKE_CURRENT_LIST_DIR}/configdocumentfile.cpp
)
list(APPEND TNM_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/tconfigfrm.cpp
    ${CMAKE_CURRENT_LIST_DIR}/configwindows.cpp
    ${CMAKE_CURRENT_LIST_DIR}/configcommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/configfinddialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tdoctypeform.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tconfassist.cpp
)
