# Interface tables as workbooks, and the Sample menu. The layout rules and
# the sample sources' text format are core logic; the commands are GUI.
list(APPEND TNM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/iftableworkbook.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tabletext.cpp)
list(APPEND TNM_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/samplecommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/workbookcommands.cpp
    # The desktop's default applications (opens the exported workbook).
    ${CMAKE_CURRENT_LIST_DIR}/../platform/desktopapps.cpp)
