list(APPEND VOKIRA_CORE_SOURCES
  src/card/CardModel.cpp
  src/card/Globals.cpp
)
