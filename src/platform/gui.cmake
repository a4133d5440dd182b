target_sources(vexmo_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/KeyMap.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KeyboardHook.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Services.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt/QtKeys.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt/QtServices.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt/QtWindowHost.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test/TestServices.cpp)
