list(APPEND VOKIRA_CORE_SOURCES
  src/platform/PrinterService.cpp
  src/platform/ScreenMetrics.cpp
)
list(APPEND VOKIRA_UI_SOURCES
  src/platform/Application.cpp
  src/platform/Dialogs.cpp
  src/platform/QtPrinterService.cpp
  src/platform/RichEdit.cpp
)
