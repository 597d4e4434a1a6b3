# The control model on Qt Widgets: the kinds registry and the core kinds,
# live windows, properties by number, events and window creation. Included
# from forms/CMakeLists.txt.
add_library(forms_controls STATIC
    ${CMAKE_CURRENT_LIST_DIR}/kind_registry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/events.cpp
    ${CMAKE_CURRENT_LIST_DIR}/live_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mouse_pointer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/properties.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_builder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_table.cpp
    ${CMAKE_CURRENT_LIST_DIR}/accessible_names.cpp
    ${CMAKE_CURRENT_LIST_DIR}/kinds/kind_support.cpp
    ${CMAKE_CURRENT_LIST_DIR}/kinds/borders.cpp
    ${CMAKE_CURRENT_LIST_DIR}/kinds/window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/kinds/edit_box.cpp
    ${CMAKE_CURRENT_LIST_DIR}/kinds/picture_box.cpp
    ${CMAKE_CURRENT_LIST_DIR}/kinds/group_box.cpp
    ${CMAKE_CURRENT_LIST_DIR}/kinds/label.cpp
    ${CMAKE_CURRENT_LIST_DIR}/kinds/button.cpp
    ${CMAKE_CURRENT_LIST_DIR}/kinds/radio_button.cpp
    ${CMAKE_CURRENT_LIST_DIR}/kinds/combo_box.cpp
    ${CMAKE_CURRENT_LIST_DIR}/kinds/tab_control.cpp
)
target_include_directories(forms_controls PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(forms_controls PUBLIC forms runtime runtime_platform Qt6::Widgets)
