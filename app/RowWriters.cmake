# The output record, the OBLIM/OBLIMD1 row writers, the exchange code and the repayment plan.
target_sources(app_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/OblimRow.h
    ${CMAKE_CURRENT_LIST_DIR}/NewRowGuard.h
    ${CMAKE_CURRENT_LIST_DIR}/DateColumn.h ${CMAKE_CURRENT_LIST_DIR}/DateColumn.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExchangeCode.h ${CMAKE_CURRENT_LIST_DIR}/ExchangeCode.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RowWriterRules.h ${CMAKE_CURRENT_LIST_DIR}/RowWriterRules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RowWriters.h ${CMAKE_CURRENT_LIST_DIR}/RowWriters.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InsertBlock.h ${CMAKE_CURRENT_LIST_DIR}/InsertBlock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RejectedValue.h ${CMAKE_CURRENT_LIST_DIR}/RejectedValue.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RepaymentPlan.h ${CMAKE_CURRENT_LIST_DIR}/RepaymentPlan.cpp)
