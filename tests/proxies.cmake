zelvo_add_test(tst_proxies zelvo_testframe)
target_compile_definitions(tst_proxies PRIVATE ZELVO_BINARY="$<TARGET_FILE:zelvo>")
add_dependencies(tst_proxies zelvo)
