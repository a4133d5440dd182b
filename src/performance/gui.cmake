target_sources(vexmo_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CColorPaletteDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CDPIValueSettingDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DpiSectionController.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SensorSettingsController.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StorePageInProfile.cpp)
