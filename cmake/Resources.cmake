# Every file under resources/<type>/ is compiled into the program as resource
# <type>/<file name without extension>, so kvrm_core reads them without Qt.
add_executable(kvrm_embed tools/embed_resources.cpp)

file(GLOB_RECURSE KVRM_RESOURCE_FILES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/resources/*)
list(FILTER KVRM_RESOURCE_FILES EXCLUDE REGEX "/(README[^/]*|\\.[^/]*)$")
list(SORT KVRM_RESOURCE_FILES)

set(KVRM_RESOURCE_CPP ${CMAKE_BINARY_DIR}/generated/embedded_resources.cpp)
set(KVRM_RESOURCE_LIST ${CMAKE_BINARY_DIR}/generated/resource_files.txt)
string(REPLACE ";" "\n" _kvrm_resource_lines "${KVRM_RESOURCE_FILES}")
file(CONFIGURE OUTPUT ${KVRM_RESOURCE_LIST} CONTENT "${_kvrm_resource_lines}\n")

add_custom_command(
  OUTPUT ${KVRM_RESOURCE_CPP}
  COMMAND kvrm_embed ${CMAKE_SOURCE_DIR}/resources ${KVRM_RESOURCE_LIST} ${KVRM_RESOURCE_CPP}
  DEPENDS kvrm_embed ${KVRM_RESOURCE_FILES} ${KVRM_RESOURCE_LIST}
  COMMENT "Embedding resources"
  VERBATIM)
