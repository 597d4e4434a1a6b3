# The application object: start-up, the message loop with its idle phase,
# the window commands, the request entry and shutdown, on Qt Widgets.
# Included from runtime/CMakeLists.txt.
add_library(runtime_app STATIC
    ${CMAKE_CURRENT_LIST_DIR}/app.cpp
    ${CMAKE_CURRENT_LIST_DIR}/message_object.cpp
    ${CMAKE_CURRENT_LIST_DIR}/message_loop.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_commands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shutdown.cpp
    ${CMAKE_CURRENT_LIST_DIR}/runtime_request.cpp
)
target_include_directories(runtime_app PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(runtime_app PUBLIC forms_controls forms runtime_platform runtime Qt6::Widgets)
# Benchmark builds get the start-up timing hook (see app.cpp).
if(HC_BENCH_HOOKS)
  target_compile_definitions(runtime_app PRIVATE HC_BENCH_HOOKS)
endif()
