vokira_test(tst_cardpainting SOURCES output/tst_cardpainting.cpp LIBS vokira_core)
vokira_test(tst_preview SOURCES output/tst_preview.cpp app/TestSupport.h LIBS vokira_ui)
