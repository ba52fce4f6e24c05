list(APPEND VOKIRA_CORE_SOURCES
  src/dialogs/AssistanceText.cpp
)
list(APPEND VOKIRA_UI_SOURCES
  src/dialogs/ModalRun.cpp
  src/dialogs/TForm3.cpp
  src/dialogs/TForm4.cpp
  src/dialogs/TForm8.cpp
  src/dialogs/TForm10.cpp
  src/dialogs/dialogs.qrc
)
