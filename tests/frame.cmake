zelvo_add_test(tst_mainframe zelvo_frame)
zelvo_add_test(tst_tabs zelvo_testframe)
zelvo_add_test(tst_commands zelvo_frame zelvo_browser)
zelvo_add_test(tst_tabcommands zelvo_testframe)

# One pass through a real X server, for what the offscreen platform skips.
find_program(XVFB_RUN xvfb-run)
if(XVFB_RUN)
    add_test(NAME tst_tabs_x11
             COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24" $<TARGET_FILE:tst_tabs>)
    set_tests_properties(tst_tabs_x11 PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=xcb;QTWEBENGINE_DISABLE_SANDBOX=1" TIMEOUT 300)
endif()
