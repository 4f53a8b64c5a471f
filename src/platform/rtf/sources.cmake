list(APPEND TNM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/codepage.h
    ${CMAKE_CURRENT_LIST_DIR}/codepage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rtfdocument.h
    ${CMAKE_CURRENT_LIST_DIR}/rtfkeywords.h
    ${CMAKE_CURRENT_LIST_DIR}/rtfkeywords.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rtfreader.h
    ${CMAKE_CURRENT_LIST_DIR}/rtfreader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rtfwriter.h
    ${CMAKE_CURRENT_LIST_DIR}/rtfwriter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/textcodec.h
    ${CMAKE_CURRENT_LIST_DIR}/textcodec.cpp
)
