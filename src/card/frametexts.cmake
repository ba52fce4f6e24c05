list(APPEND VOKIRA_UI_SOURCES
  src/card/FrameTexts.cpp
  src/card/TargetName.cpp
)
