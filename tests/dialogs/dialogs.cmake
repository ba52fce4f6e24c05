vokira_test(tst_dialogs SOURCES dialogs/tst_dialogs.cpp LIBS vokira_ui)
