list(APPEND VOKIRA_UI_SOURCES
  src/output/TForm1.cpp
)
