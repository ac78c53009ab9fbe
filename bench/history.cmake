add_executable(history history.cpp)
target_link_libraries(history PRIVATE zelvo_testframe Qt6::Test)
