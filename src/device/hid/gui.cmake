# The udev monitor needs libudev, which only vexmo_gui links; it includes no Qt.
target_sources(vexmo_gui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/UdevMonitor.cpp)
