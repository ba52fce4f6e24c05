list(APPEND VOKIRA_CORE_SOURCES
  src/app/FileType.cpp
  src/app/ProgramState.cpp
)
list(APPEND VOKIRA_UI_SOURCES
  src/app/Program.cpp
  src/app/Startup.cpp
  src/app/Tfrmmain.cpp
  src/app/TfrmmainCommands.cpp
  src/app/Widgets.cpp
)
