target_sources(vexmo_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AppPaths.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LanguageFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LanguageTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SectionLayout.cpp)
