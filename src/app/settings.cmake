list(APPEND VOKIRA_CORE_SOURCES
  src/app/Settings.cpp
)
list(APPEND VOKIRA_UI_SOURCES
  src/app/FileAssociation.cpp
  src/app/SettingsWrite.cpp
  src/app/TForm9.cpp
)
