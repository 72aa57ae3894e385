# The clean-up passes, the lot copy and the closing procedure of the transfer run.
target_sources(app_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/SqlLiteral.h ${CMAKE_CURRENT_LIST_DIR}/SqlLiteral.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FifoCuts.h ${CMAKE_CURRENT_LIST_DIR}/FifoCuts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FifoCleanup.h ${CMAKE_CURRENT_LIST_DIR}/FifoCleanup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SignSettlement.h ${CMAKE_CURRENT_LIST_DIR}/SignSettlement.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SignCleanup.h ${CMAKE_CURRENT_LIST_DIR}/SignCleanup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SignRewrite.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LotCopy.h ${CMAKE_CURRENT_LIST_DIR}/LotCopy.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ClosingProcedure.h ${CMAKE_CURRENT_LIST_DIR}/ClosingProcedure.cpp)
