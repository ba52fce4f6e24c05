list(APPEND VOKIRA_UI_SOURCES
  src/editing/AppearanceCommands.cpp
  src/editing/TForm11.cpp
  src/platform/FontDialog.cpp
)
