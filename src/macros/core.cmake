target_sources(vexmo_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/MacroRecord.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MacroLibrary.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MacroLibraryFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MacroDeviceForm.cpp)
