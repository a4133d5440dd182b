target_sources(vexmo_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ControlFifoReader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HidrawBackend.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReportDescriptorParser.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReportTrace.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TracingBackend.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VirtualFirmware.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VirtualMouse.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VirtualMouseControl.cpp)
