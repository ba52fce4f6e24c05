vokira_test(tst_appearance SOURCES editing/tst_appearance.cpp app/TestSupport.h LIBS vokira_ui)
