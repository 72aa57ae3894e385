# The run journal, the reconciliation of a run and the comparison of two report days.
target_sources(app_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/JournalQuery.h ${CMAKE_CURRENT_LIST_DIR}/JournalQuery.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RunJournal.h ${CMAKE_CURRENT_LIST_DIR}/RunJournal.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KilledRuns.h ${CMAKE_CURRENT_LIST_DIR}/KilledRuns.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SourceTotals.h ${CMAKE_CURRENT_LIST_DIR}/SourceTotals.cpp
    ${CMAKE_CURRENT_LIST_DIR}/JournalStatements.h ${CMAKE_CURRENT_LIST_DIR}/JournalStatements.cpp
    ${CMAKE_CURRENT_LIST_DIR}/JournalAmounts.h ${CMAKE_CURRENT_LIST_DIR}/JournalAmounts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReconciliationReport.h ${CMAKE_CURRENT_LIST_DIR}/ReconciliationReport.cpp)
