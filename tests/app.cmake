zelvo_add_test(tst_profilestore zelvo_core)
zelvo_add_test(tst_cp932 zelvo_core)
zelvo_add_test(tst_programdir zelvo_core zelvo_platform)
zelvo_add_test(tst_loadsequence zelvo_core)

# The installed program as a desktop sees it: entry, icons, MIME types.
add_test(NAME tst_install COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/install_check.sh ${CMAKE_BINARY_DIR})
