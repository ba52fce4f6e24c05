vokira_test(tst_catalogue SOURCES catalogue/tst_catalogue.cpp LIBS vokira_core)
