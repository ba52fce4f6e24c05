vokira_test(tst_encodings SOURCES platform/tst_encodings.cpp LIBS vokira_core)
