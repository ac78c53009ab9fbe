zelvo_add_test(tst_settings zelvo_testframe)
# The pages again at twice the size, for their grabs.
add_test(NAME tst_settings_scale2 COMMAND tst_settings grabs)
set_tests_properties(tst_settings_scale2 PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTWEBENGINE_DISABLE_SANDBOX=1;QT_SCALE_FACTOR=2"
    TIMEOUT 300)
