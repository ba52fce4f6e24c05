list(APPEND VOKIRA_CORE_SOURCES
  src/output/CardPainting.cpp
  src/output/GeometrySnapshot.cpp
)
list(APPEND VOKIRA_UI_SOURCES
  src/output/TForm1.cpp
)
