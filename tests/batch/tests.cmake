vokira_test(tst_batch SOURCES batch/tst_batch.cpp LIBS vokira_batch)
add_dependencies(tst_batch vokira-batch)
