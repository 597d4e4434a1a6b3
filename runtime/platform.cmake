# The windowing platform layer: GBK <-> QString, colours, fonts, pictures,
# icons, the screen and the runtime error box, on Qt Widgets and libjpeg.
# Included from runtime/CMakeLists.txt.
find_package(JPEG REQUIRED)

add_library(runtime_platform STATIC
    ${CMAKE_CURRENT_LIST_DIR}/platform.cpp
    ${CMAKE_CURRENT_LIST_DIR}/jpeg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/error_box.cpp
    ${CMAKE_CURRENT_LIST_DIR}/icon_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/program_style.cpp
)
target_include_directories(runtime_platform PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(runtime_platform PUBLIC runtime forms Qt6::Widgets PRIVATE JPEG::JPEG)
