target_sources(vexmo_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/LanguageTable.cpp
                                  ${CMAKE_CURRENT_LIST_DIR}/LanguageFiles.cpp)
