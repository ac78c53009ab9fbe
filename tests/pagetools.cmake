zelvo_add_test(tst_extraction zelvo_pagetools)
zelvo_add_test(tst_history zelvo_testframe)
# The tab-list pane joins the docking bar's library; until then its test builds it.
zelvo_add_test(tst_histree zelvo_ini Qt6::Widgets)
target_sources(tst_histree PRIVATE ${PROJECT_SOURCE_DIR}/src/panes/CHisTree.cpp
               ${PROJECT_SOURCE_DIR}/src/panes/CHisTree.h)
