# The hand-over test starts real second processes.
add_executable(singleinstance_helper singleinstance_helper.cpp)
target_link_libraries(singleinstance_helper PRIVATE zelvo_platform zelvo_core Qt6::Network)

zelvo_add_test(tst_singleinstance zelvo_platform zelvo_core Qt6::Network)
add_dependencies(tst_singleinstance singleinstance_helper)
target_compile_definitions(tst_singleinstance PRIVATE
    ZELVO_SINGLEINSTANCE_HELPER="$<TARGET_FILE:singleinstance_helper>")
