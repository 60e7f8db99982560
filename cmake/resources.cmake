# The TEXTFILE resources of resources/resources.rc as a C++ table: the native build's resources,
# and the fallback of the tests' platform on both targets. windres reads the same .rc for Windows.
set(VORLUNE_RC ${PROJECT_SOURCE_DIR}/resources/resources.rc)
set(VORLUNE_RESOURCE_TABLE ${CMAKE_BINARY_DIR}/generated/resources/embedded_resources.cpp)
add_custom_command(
  OUTPUT ${VORLUNE_RESOURCE_TABLE}
  COMMAND ${VORLUNE_PYTHON} ${PROJECT_SOURCE_DIR}/tools/gen_resource_table.py ${VORLUNE_RC}
          ${VORLUNE_RESOURCE_TABLE} ${VORLUNE_RESOURCE_TABLE}.d
  DEPENDS ${PROJECT_SOURCE_DIR}/tools/gen_resource_table.py ${VORLUNE_RC}
  DEPFILE ${VORLUNE_RESOURCE_TABLE}.d
  COMMENT "Embedding the TEXTFILE resources of resources.rc")
add_library(vorlune_text_resources STATIC ${VORLUNE_RESOURCE_TABLE})
target_include_directories(vorlune_text_resources PRIVATE ${PROJECT_SOURCE_DIR}/src)
