vokira_test(tst_cardfile SOURCES card/tst_cardfile.cpp LIBS vokira_core)
