# The stand-alone test server's own sources, named once: its library here and
# the fuzz build, which records its seeds from the same server without the
# tests, both build from this list.
set(QORV_DEMO_SERVER_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/attachmentstore.h
    ${CMAKE_CURRENT_LIST_DIR}/attachmentstore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/demoserver.h
    ${CMAKE_CURRENT_LIST_DIR}/demoserver.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dictionarystore.h
    ${CMAKE_CURRENT_LIST_DIR}/dictionarystore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/revisionhistory.h
    ${CMAKE_CURRENT_LIST_DIR}/revisionhistory.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sampledata.h
    ${CMAKE_CURRENT_LIST_DIR}/sampledata.cpp
    ${CMAKE_CURRENT_LIST_DIR}/searchcriteria.h
    ${CMAKE_CURRENT_LIST_DIR}/searchcriteria.cpp
    ${CMAKE_CURRENT_LIST_DIR}/webpagestore.h
    ${CMAKE_CURRENT_LIST_DIR}/webpagestore.cpp)
