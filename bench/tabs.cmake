add_executable(minimal_engine minimal_engine.cpp)
target_link_libraries(minimal_engine PRIVATE Qt6::Widgets Qt6::WebEngineWidgets)

add_executable(tabs tabs.cpp)
target_link_libraries(tabs PRIVATE zelvo_frame zelvo_testcommon Qt6::Test)
target_compile_definitions(tabs PRIVATE ZELVO_BINARY="$<TARGET_FILE:zelvo>"
                           MINIMAL_BINARY="$<TARGET_FILE:minimal_engine>")
add_dependencies(tabs zelvo minimal_engine)

find_package(PkgConfig)
if(PkgConfig_FOUND)
    pkg_check_modules(XCB IMPORTED_TARGET xcb)
endif()
if(XCB_FOUND)
    add_executable(firstpaint firstpaint.cpp)
    target_link_libraries(firstpaint PRIVATE zelvo_testcommon PkgConfig::XCB)
    target_compile_definitions(firstpaint PRIVATE ZELVO_BINARY="$<TARGET_FILE:zelvo>"
                               MINIMAL_BINARY="$<TARGET_FILE:minimal_engine>")
    add_dependencies(firstpaint zelvo minimal_engine)
endif()
