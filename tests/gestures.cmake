zelvo_add_test(tst_gestures zelvo_gestures zelvo_commands)
zelvo_add_test(tst_gesturecapture zelvo_testframe)

# A real right-button drag from the X server, as a user makes it.
find_program(XVFB_RUN xvfb-run)
find_program(OPENBOX openbox)
find_program(XDOTOOL xdotool)
if(XVFB_RUN AND OPENBOX AND XDOTOOL)
    add_test(NAME tst_gesturecapture_x11
             COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24"
                     ${CMAKE_CURRENT_SOURCE_DIR}/with_wm.sh $<TARGET_FILE:tst_gesturecapture>
                     realRightDragGoesBack)
    set_tests_properties(tst_gesturecapture_x11 PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=xcb;QTWEBENGINE_DISABLE_SANDBOX=1" TIMEOUT 300)
endif()
