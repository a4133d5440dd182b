target_sources(vexmo_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/DpiStepTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SensorPageHolders.cpp)
