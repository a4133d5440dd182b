target_sources(vexmo_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ProfileRecord.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsStore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProfileFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ConfigModel.cpp)
