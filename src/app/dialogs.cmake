# The secondary dialogs of the program and the on-screen display.
target_sources(vexmo_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CFramedDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CAttentionDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CProgressBarDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CFirmwareResetDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OsdTexts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/COSDDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OsdPresenter.cpp)
