zelvo_add_test(tst_startup zelvo_main)
target_compile_definitions(tst_startup PRIVATE ZELVO_BINARY="$<TARGET_FILE:zelvo>")
add_dependencies(tst_startup zelvo)
