target_sources(vexmo_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/KeyTables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ButtonCatalogue.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AssignmentRules.cpp)
