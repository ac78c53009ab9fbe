zelvo_add_test(tst_startup zelvo_main)
target_compile_definitions(tst_startup PRIVATE ZELVO_BINARY="$<TARGET_FILE:zelvo>")
add_dependencies(tst_startup zelvo)

# The starts as a desktop sees them: a window manager, other windows, activation.
find_program(XVFB_RUN xvfb-run)
if(XVFB_RUN)
    add_test(NAME tst_startup_x11
             COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24"
                     ${CMAKE_CURRENT_SOURCE_DIR}/with_wm.sh $<TARGET_FILE:tst_startup>
                     handOverWhileAnotherWindowIsActive simultaneousStartsShowOneWindow)
    set_tests_properties(tst_startup_x11 PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=xcb;QTWEBENGINE_DISABLE_SANDBOX=1" TIMEOUT 300)
endif()
