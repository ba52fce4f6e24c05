vokira_test(tst_settings SOURCES app/tst_settings.cpp app/TestSupport.h LIBS vokira_ui)
vokira_test(tst_fileassociation SOURCES app/tst_fileassociation.cpp app/TestSupport.h LIBS vokira_ui)
add_dependencies(tst_fileassociation vokira)
