vokira_test(tst_cardmodel SOURCES card/tst_cardmodel.cpp LIBS vokira_core)
