vokira_test(tst_mainwindow SOURCES app/tst_mainwindow.cpp app/TestSupport.h LIBS vokira_ui)
vokira_test(tst_startup SOURCES app/tst_startup.cpp LIBS vokira_ui)
add_dependencies(tst_startup vokira)
