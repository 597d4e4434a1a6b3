# The two lunar control kinds on Qt Widgets: the day grid, the calendar
# panel, the month calendar "农历月历" and the date box "农历日期框", with
# their persisted blocks. Included from lunar/CMakeLists.txt.
add_library(lunar_controls STATIC
    ${CMAKE_CURRENT_LIST_DIR}/day_grid.cpp
    ${CMAKE_CURRENT_LIST_DIR}/grid_cells.cpp
    ${CMAKE_CURRENT_LIST_DIR}/grid_pictures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_sprites.cpp
    ${CMAKE_CURRENT_LIST_DIR}/calendar_panel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/persisted_block.cpp
    ${CMAKE_CURRENT_LIST_DIR}/control_support.cpp
    ${CMAKE_CURRENT_LIST_DIR}/month_calendar.cpp
    ${CMAKE_CURRENT_LIST_DIR}/date_box.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls.cpp
)
target_include_directories(lunar_controls PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(lunar_controls PUBLIC
    lunar forms_controls runtime_platform forms runtime Qt6::Widgets)
