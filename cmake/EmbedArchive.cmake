# corvellane_embed_archives(<target> ARCHIVES <name> <folder> [<name> <folder> ...])
#
# Packs each folder into a zip archive and compiles its bytes into <target>,
# where the resource reader finds it as "res:<name>/..." (engine/embedded_archives.h).
# The packing tool is built first, for the host, from tools/embed_archive/.
include_guard(GLOBAL)

add_library(corvellane_archive_writer STATIC ${PROJECT_SOURCE_DIR}/tools/embed_archive/archive_writer.cpp)
target_include_directories(corvellane_archive_writer PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(corvellane_archive_writer PUBLIC PkgConfig::MINIZIP ZLIB::ZLIB)

add_executable(corvellane_embed_archive ${PROJECT_SOURCE_DIR}/tools/embed_archive/embed_archive.cpp)
target_link_libraries(corvellane_embed_archive PRIVATE corvellane_archive_writer)

function(corvellane_embed_archives target)
  cmake_parse_arguments(ARG "" "" "ARCHIVES" ${ARGN})
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${target}_embedded_archives.cpp)
  set(inputs)
  set(names)
  set(pairs ${ARG_ARCHIVES})
  while(pairs)
    list(POP_FRONT pairs name folder)
    file(GLOB_RECURSE files CONFIGURE_DEPENDS ${folder}/*)
    list(APPEND inputs ${files})
    list(APPEND names ${name})
  endwhile()
  add_custom_command(OUTPUT ${output}
    COMMAND corvellane_embed_archive ${output} ${ARG_ARCHIVES}
    DEPENDS corvellane_embed_archive ${inputs}
    COMMENT "Embedding archives: ${names}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
