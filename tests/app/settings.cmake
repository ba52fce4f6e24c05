vokira_test(tst_settings SOURCES app/tst_settings.cpp app/TestSupport.h LIBS vokira_ui)
