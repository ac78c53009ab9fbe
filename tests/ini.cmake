zelvo_add_test(tst_ini zelvo_ini)
