target_sources(vexmo_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/CStdioFileEx.cpp)
