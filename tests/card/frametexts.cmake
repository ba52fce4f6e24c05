vokira_test(tst_frametexts SOURCES card/tst_frametexts.cpp LIBS vokira_ui)
