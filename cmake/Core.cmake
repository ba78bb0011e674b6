# kvrm_core: all logic of the tool, standard library and OS headers only.
# Window code (src/ui, *_page.*) and the command-line tool stay out of it.
set(KVRM_CORE_DIRS common device image keys settings macros texts vendor sim)
set(KVRM_CORE_SOURCES)
foreach(dir IN LISTS KVRM_CORE_DIRS)
  file(GLOB_RECURSE _src CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/*.cpp)
  list(APPEND KVRM_CORE_SOURCES ${_src})
endforeach()
list(FILTER KVRM_CORE_SOURCES EXCLUDE REGEX "_page\\.cpp$")
# Platform files: name_linux.cpp and name_windows.cpp, one of them per build.
if(WIN32)
  list(FILTER KVRM_CORE_SOURCES EXCLUDE REGEX "_linux\\.cpp$")
else()
  list(FILTER KVRM_CORE_SOURCES EXCLUDE REGEX "_windows\\.cpp$")
endif()

add_library(kvrm_core STATIC ${KVRM_CORE_SOURCES} ${KVRM_RESOURCE_CPP})
target_include_directories(kvrm_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
find_package(Threads REQUIRED)
target_link_libraries(kvrm_core PUBLIC Threads::Threads)
