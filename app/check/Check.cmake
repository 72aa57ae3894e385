# The data-quality check of a report day: its findings, statements and report.
target_sources(app_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CheckFindings.h ${CMAKE_CURRENT_LIST_DIR}/CheckFindings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CheckKinds.h ${CMAKE_CURRENT_LIST_DIR}/CheckKinds.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CheckStatements.h ${CMAKE_CURRENT_LIST_DIR}/CheckStatements.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DayCheck.h ${CMAKE_CURRENT_LIST_DIR}/DayCheck.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CheckReport.h ${CMAKE_CURRENT_LIST_DIR}/CheckReport.cpp)
