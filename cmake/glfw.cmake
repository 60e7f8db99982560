# GLFW comes from Debian's source package (apt-get source glfw3), patched with third_party/glfw/*.patch
# and built here as a static library for whichever target is being configured. No GLFW source is
# kept in the repository.
set(VORLUNE_GLFW_VERSION 3.3.8)
set(VORLUNE_GLFW_DIR ${PROJECT_SOURCE_DIR}/build/third_party/glfw-${VORLUNE_GLFW_VERSION})
file(GLOB VORLUNE_GLFW_PATCHES ${PROJECT_SOURCE_DIR}/third_party/glfw/*.patch)
list(SORT VORLUNE_GLFW_PATCHES)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VORLUNE_GLFW_PATCHES}
                                                               ${PROJECT_SOURCE_DIR}/third_party/glfw)

execute_process(
  COMMAND ${PROJECT_SOURCE_DIR}/scripts/fetch-glfw.sh ${VORLUNE_GLFW_VERSION} ${VORLUNE_GLFW_DIR}
          ${VORLUNE_GLFW_PATCHES}
  RESULT_VARIABLE fetch_result)
if(NOT fetch_result EQUAL 0)
  message(FATAL_ERROR "Could not prepare GLFW ${VORLUNE_GLFW_VERSION} (see above)")
endif()

file(STRINGS ${VORLUNE_GLFW_DIR}/include/GLFW/glfw3.h version_lines
     REGEX "^#define GLFW_VERSION_(MAJOR|MINOR|REVISION) +[0-9]+")
string(REGEX REPLACE ".*MAJOR +([0-9]+).*MINOR +([0-9]+).*REVISION +([0-9]+).*" "\\1.\\2.\\3"
       found_version "${version_lines}")
if(NOT found_version STREQUAL VORLUNE_GLFW_VERSION)
  message(FATAL_ERROR "GLFW source is version ${found_version}, expected ${VORLUNE_GLFW_VERSION}")
endif()

set(BUILD_SHARED_LIBS OFF)
set(GLFW_BUILD_EXAMPLES OFF CACHE BOOL "" FORCE)
set(GLFW_BUILD_TESTS OFF CACHE BOOL "" FORCE)
set(GLFW_BUILD_DOCS OFF CACHE BOOL "" FORCE)
set(GLFW_INSTALL OFF CACHE BOOL "" FORCE)
add_subdirectory(${VORLUNE_GLFW_DIR} ${CMAKE_BINARY_DIR}/glfw EXCLUDE_FROM_ALL SYSTEM)
