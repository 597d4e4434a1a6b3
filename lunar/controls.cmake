# The two lunar control kinds on Qt Widgets: the day grid, the calendar
# panel, the month calendar and the date box. Included from
# lunar/CMakeLists.txt.
add_library(lunar_controls STATIC
    ${CMAKE_CURRENT_LIST_DIR}/day_grid.cpp
    ${CMAKE_CURRENT_LIST_DIR}/calendar_panel.cpp
)
target_include_directories(lunar_controls PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(lunar_controls PUBLIC lunar runtime_platform runtime Qt6::Widgets)
