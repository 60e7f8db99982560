# The GL entry-point table is generated from the very GL/glcorearb.h that the compiler includes,
# so that the function types match its calling convention (APIENTRY is stdcall on i686 Windows).
if(WIN32)
  set(VORLUNE_GLCOREARB /usr/${CMAKE_CXX_COMPILER_TARGET}/include/GL/glcorearb.h)
else()
  set(VORLUNE_GLCOREARB /usr/include/GL/glcorearb.h)
endif()
if(NOT EXISTS ${VORLUNE_GLCOREARB})
  message(FATAL_ERROR "GL/glcorearb.h not found at ${VORLUNE_GLCOREARB}: run scripts/setup.sh")
endif()

set(VORLUNE_GL_DIR ${CMAKE_BINARY_DIR}/generated/gl)
set(VORLUNE_GL_RECORDER ${VORLUNE_GL_DIR}/gl_recorder.cpp)
add_custom_command(
  OUTPUT ${VORLUNE_GL_DIR}/gl_table.h ${VORLUNE_GL_DIR}/gl_table.cpp ${VORLUNE_GL_RECORDER}
  COMMAND ${VORLUNE_PYTHON} ${PROJECT_SOURCE_DIR}/tools/gen_gl_table.py ${VORLUNE_GLCOREARB}
          ${VORLUNE_GL_DIR} --recorder
  DEPENDS ${PROJECT_SOURCE_DIR}/tools/gen_gl_table.py ${VORLUNE_GLCOREARB}
  COMMENT "Generating the GL entry-point table")

add_library(vorlune_gl_table STATIC ${VORLUNE_GL_DIR}/gl_table.cpp)
target_include_directories(vorlune_gl_table PUBLIC ${VORLUNE_GL_DIR})

# Tests run code against a recording table: every entry a stub that logs its call.
add_library(vorlune_gl_recorder STATIC ${VORLUNE_GL_RECORDER} ${PROJECT_SOURCE_DIR}/tests/support/gl_recorder_log.cpp)
target_include_directories(vorlune_gl_recorder PUBLIC ${PROJECT_SOURCE_DIR}/tests/support)
target_link_libraries(vorlune_gl_recorder PUBLIC vorlune_gl_table)
set_target_properties(vorlune_gl_recorder PROPERTIES EXCLUDE_FROM_ALL ON)
