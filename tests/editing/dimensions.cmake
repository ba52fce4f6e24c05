vokira_test(tst_dimensions SOURCES editing/tst_dimensions.cpp app/TestSupport.h LIBS vokira_ui)
