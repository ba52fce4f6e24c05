vokira_test(tst_encodings SOURCES platform/tst_encodings.cpp LIBS vokira_core)
vokira_test(tst_rtf SOURCES platform/tst_rtf.cpp platform/RtfTestSupport.h LIBS vokira_core)
