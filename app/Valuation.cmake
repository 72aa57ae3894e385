# The valuation of a source row: its step order, the per-row state, and the identity, amount, date
# and rate rules it applies.
target_sources(app_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Valuation.h ${CMAKE_CURRENT_LIST_DIR}/ValuationFlow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ValuationRow.h ${CMAKE_CURRENT_LIST_DIR}/ValuationRow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ValuationSteps.h
    ${CMAKE_CURRENT_LIST_DIR}/ValuationIdentity.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ValuationAmounts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ValuationDates.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ValuationRates.cpp)
