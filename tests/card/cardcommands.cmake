vokira_test(tst_cardcommands SOURCES card/tst_cardcommands.cpp app/TestSupport.h LIBS vokira_ui)
