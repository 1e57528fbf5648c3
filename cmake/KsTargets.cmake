# Helpers that keep the per-folder CMake files to a line or two: every folder globs its own sources,
# so adding a file never means editing a shared list.

# ks_library(name [DEPENDS lib...]): a static library from the .cpp/.c files of the current folder.
function(ks_library name)
  cmake_parse_arguments(KS "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.c)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${KS_DEPENDS} ${KS_WIN32_LIBS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${KS_DEPENDS} ${KS_WIN32_LIBS})
  endif()
endfunction()
