# Excel 97-2003 workbooks: read through libfreexl, written as BIFF8 inside an
# OLE2 compound document built with libgsf.
pkg_check_modules(FREEXL REQUIRED IMPORTED_TARGET freexl)
pkg_check_modules(GSF REQUIRED IMPORTED_TARGET libgsf-1)
list(APPEND TNM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/biffrecordstream.cpp
    ${CMAKE_CURRENT_LIST_DIR}/biffsharedstrings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/biffworkbookencoder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/biffworkbookstream.cpp
    ${CMAKE_CURRENT_LIST_DIR}/compounddocument.cpp
    ${CMAKE_CURRENT_LIST_DIR}/workbook.cpp
    ${CMAKE_CURRENT_LIST_DIR}/workbooksheet.cpp
    ${CMAKE_CURRENT_LIST_DIR}/workbookwriter.cpp)
list(APPEND TNM_CORE_LIBS PkgConfig::FREEXL PkgConfig::GSF)
