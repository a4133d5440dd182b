# The program. It finds its skins beside itself: in the build tree the generated skins folder
# lies next to the executable; installed, lib/vexmo holds both and bin/vexmo links to it.
add_executable(vexmo ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(vexmo PRIVATE vexmo_gui)
set_target_properties(vexmo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
if(TARGET vexmo_skins)
    add_dependencies(vexmo vexmo_skins)
endif()

install(TARGETS vexmo RUNTIME DESTINATION lib/vexmo)
install(CODE "file(MAKE_DIRECTORY \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin)
    execute_process(COMMAND ${CMAKE_COMMAND} -E create_symlink ../lib/vexmo/vexmo
                    \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/vexmo)")
install(FILES ${PROJECT_SOURCE_DIR}/resources/vexmo.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/70-vexmo.rules DESTINATION lib/udev/rules.d)
