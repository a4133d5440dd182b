target_sources(vexmo_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ConfigUploader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DeviceLink.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DeviceSession.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProfilePayloads.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReportBuffer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReportSender.cpp)
