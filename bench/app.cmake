add_executable(profile_store profile_store.cpp)
target_link_libraries(profile_store PRIVATE zelvo_core)

add_executable(startup startup.cpp)
target_link_libraries(startup PRIVATE Qt6::Core)
target_compile_definitions(startup PRIVATE ZELVO_BINARY="$<TARGET_FILE:zelvo>")
add_dependencies(startup zelvo)
