# The transfer run and its start, the preview of the results and the start-up's logic.
target_sources(app_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TransferRun.h ${CMAKE_CURRENT_LIST_DIR}/TransferRun.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TransferRunSteps.h ${CMAKE_CURRENT_LIST_DIR}/DataSetReading.h
    ${CMAKE_CURRENT_LIST_DIR}/TransferRunTables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TransferRunPositions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TransferRunPlans.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RunTransaction.h ${CMAKE_CURRENT_LIST_DIR}/RunTransaction.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RunClaim.h ${CMAKE_CURRENT_LIST_DIR}/RunClaim.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ResultKeys.h ${CMAKE_CURRENT_LIST_DIR}/ResultKeys.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LockConflicts.h ${CMAKE_CURRENT_LIST_DIR}/LockConflicts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Preview.h ${CMAKE_CURRENT_LIST_DIR}/Preview.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Startup.h ${CMAKE_CURRENT_LIST_DIR}/Startup.cpp)
