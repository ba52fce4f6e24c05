list(APPEND VOKIRA_CORE_SOURCES
  src/card/CardFile.cpp
  src/card/TextAttributes.cpp
)
