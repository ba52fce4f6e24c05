list(APPEND VOKIRA_CORE_SOURCES
  src/editing/DimensionEntry.cpp
)
list(APPEND VOKIRA_UI_SOURCES
  src/editing/DimensionCommands.cpp
)
