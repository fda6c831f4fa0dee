# One interface target carries the language level, the warnings and the Qt
# safety defines; every target of the project links it.
add_library(project_config INTERFACE)
target_compile_features(project_config INTERFACE cxx_std_20)
target_compile_options(project_config INTERFACE -Wall -Wextra -Wpedantic
  $<$<BOOL:${ZE_WERROR}>:-Werror>)
target_compile_definitions(project_config INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_URL_CAST_FROM_STRING
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_USE_QSTRINGBUILDER
  QT_NO_KEYWORDS)
target_include_directories(project_config INTERFACE ${PROJECT_SOURCE_DIR})

# Adds a library built from every source file of a folder.
function(ze_add_folder_library name folder)
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp ${folder}/*.h)
  add_library(${name} STATIC ${sources})
  target_link_libraries(${name} PUBLIC project_config)
endfunction()
