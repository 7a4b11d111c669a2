# Built-in resources of vistrelle_core: the style sheet, the icons, the link table and
# the compiled translations. They are added to the static library with target-based
# resource objects, which CMake propagates to every executable that links the library
# (the program and the tests), so no Q_INIT_RESOURCE call is needed.

set(VISTRELLE_RESOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}/resources)

# The thirteen interface languages. Keep this list, the link table's supported languages
# and scripts/update-translations.sh in step.
set(VISTRELLE_LANGUAGES zh_CN en zh_TW fr de ja es ko nl pt it tr ar)

file(GLOB VISTRELLE_ICON_FILES CONFIGURE_DEPENDS
  ${VISTRELLE_RESOURCE_DIR}/icons/*.svg
  ${VISTRELLE_RESOURCE_DIR}/icons/*.ico
  ${VISTRELLE_RESOURCE_DIR}/icons/*.png)

# ":/icons/icons/<name>"
qt_add_resources(vistrelle_core vistrelle_icons
  PREFIX /icons
  BASE ${VISTRELLE_RESOURCE_DIR}
  FILES ${VISTRELLE_ICON_FILES})

# ":/styles/styles/dark.qss"
qt_add_resources(vistrelle_core vistrelle_styles
  PREFIX /styles
  BASE ${VISTRELLE_RESOURCE_DIR}
  FILES ${VISTRELLE_RESOURCE_DIR}/styles/dark.qss)

# ":/data/links.json"
qt_add_resources(vistrelle_core vistrelle_data
  PREFIX /
  BASE ${VISTRELLE_RESOURCE_DIR}
  FILES ${VISTRELLE_RESOURCE_DIR}/data/links.json)

# ":/translations/Vistrelle_<code>.qm", compiled from resources/translations/*.ts
set(VISTRELLE_TS_FILES)
foreach(lang IN LISTS VISTRELLE_LANGUAGES)
  list(APPEND VISTRELLE_TS_FILES ${VISTRELLE_RESOURCE_DIR}/translations/Vistrelle_${lang}.ts)
endforeach()
set_source_files_properties(${VISTRELLE_TS_FILES}
  PROPERTIES OUTPUT_LOCATION ${CMAKE_CURRENT_BINARY_DIR}/translations)
qt_add_lrelease(vistrelle_core
  TS_FILES ${VISTRELLE_TS_FILES}
  OPTIONS -silent
  QM_FILES_OUTPUT_VARIABLE VISTRELLE_QM_FILES)
qt_add_resources(vistrelle_core vistrelle_translations
  PREFIX /translations
  BASE ${CMAKE_CURRENT_BINARY_DIR}/translations
  FILES ${VISTRELLE_QM_FILES})
