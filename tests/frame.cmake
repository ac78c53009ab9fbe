zelvo_add_test(tst_mainframe zelvo_frame)
zelvo_add_test(tst_tabs zelvo_testframe)
zelvo_add_test(tst_commands zelvo_frame)
zelvo_add_test(tst_tabcommands zelvo_testframe)

# What only a real X server with a window manager shows: openbox frames,
# activates, maximises and minimises the window, xdotool clicks and types.
add_executable(tst_desktop tst_desktop.cpp)
target_link_libraries(tst_desktop PRIVATE zelvo_testframe Qt6::Test)
target_compile_definitions(tst_desktop PRIVATE ZELVO_BINARY="$<TARGET_FILE:zelvo>")
add_dependencies(tst_desktop zelvo)
find_program(XVFB_RUN xvfb-run)
find_program(OPENBOX openbox)
find_program(XDOTOOL xdotool)
if(XVFB_RUN AND OPENBOX AND XDOTOOL)
    # The screen is twice as wide as a window that is not maximised.
    foreach(test tst_tabs tst_desktop)
        add_test(NAME ${test}_x11
                 COMMAND ${XVFB_RUN} -a -s "-screen 0 1920x1200x24"
                         ${CMAKE_CURRENT_SOURCE_DIR}/with_wm.sh $<TARGET_FILE:${test}>)
        set_tests_properties(${test}_x11 PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=xcb;QTWEBENGINE_DISABLE_SANDBOX=1" TIMEOUT 300)
    endforeach()
endif()
