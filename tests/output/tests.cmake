vokira_test(tst_cardpainting SOURCES output/tst_cardpainting.cpp LIBS vokira_core)
