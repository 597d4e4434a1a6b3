# The runtime's own control kinds (timer, transparent label, hyperlink box)
# on Qt Widgets, and the link opener they use. Included from
# runtime/CMakeLists.txt.
add_library(runtime_kinds STATIC
    ${CMAKE_CURRENT_LIST_DIR}/kinds.cpp
    ${CMAKE_CURRENT_LIST_DIR}/timer_kind.cpp
    ${CMAKE_CURRENT_LIST_DIR}/trans_label_kind.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hyperlink_kind.cpp
    ${CMAKE_CURRENT_LIST_DIR}/link_opener.cpp
)
target_include_directories(runtime_kinds PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(runtime_kinds PUBLIC forms_controls runtime_platform forms runtime Qt6::Widgets)
