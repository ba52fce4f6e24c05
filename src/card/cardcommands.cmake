list(APPEND VOKIRA_UI_SOURCES
  src/card/CardFileCommands.cpp
)
