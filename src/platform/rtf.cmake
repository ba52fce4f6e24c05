list(APPEND VOKIRA_CORE_SOURCES
  src/platform/Encodings.cpp
  src/platform/RichTextFiles.cpp
  src/platform/RtfReader.cpp
  src/platform/RtfWriter.cpp
)
