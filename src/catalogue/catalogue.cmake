list(APPEND VOKIRA_CORE_SOURCES
  src/catalogue/CatalogueRows.cpp
  src/catalogue/MessageCatalogue.cpp
)
list(APPEND VOKIRA_UI_SOURCES
  src/catalogue/LanguageApply.cpp
)
