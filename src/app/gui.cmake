target_sources(vexmo_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CVexmoApp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CVexmoDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DeviceBackend.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainDisplay.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OpenDialogList.cpp)
# The secondary dialogs of the program and the on-screen display.
include(${CMAKE_CURRENT_LIST_DIR}/dialogs.cmake)
