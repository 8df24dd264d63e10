# corvellane_library(NAME <target> [SOURCES_FROM <dirs...>] [DEPENDS <targets...>])
#
# One static library per subsystem folder. Sources are the .cpp files of the
# folder itself (and of any extra folders named in SOURCES_FROM); the project
# root is the include root, so headers are included as "persistence/variant.h".
function(corvellane_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES_FROM;DEPENDS" ${ARGN})
  set(dirs ${CMAKE_CURRENT_SOURCE_DIR})
  foreach(d IN LISTS ARG_SOURCES_FROM)
    list(APPEND dirs ${CMAKE_CURRENT_SOURCE_DIR}/${d})
  endforeach()
  set(srcs)
  foreach(d IN LISTS dirs)
    file(GLOB found CONFIGURE_DEPENDS ${d}/*.cpp)
    list(APPEND srcs ${found})
  endforeach()
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
endfunction()

# corvellane_test(NAME <target> DEPENDS <targets...>): one GoogleTest executable
# from every .cpp file of the current folder.
function(corvellane_test name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  # Every test program starts with the log silent (tests/support/quiet_log.cpp).
  add_executable(${name} ${srcs} ${PROJECT_SOURCE_DIR}/tests/support/quiet_log.cpp)
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} test_support corvellane_persistence GTest::gtest GTest::gtest_main)
  # The folders are compiled in (tests/support/test_folders.h): a list-valued
  # ENVIRONMENT does not survive test discovery, which splits it apart.
  target_compile_definitions(${name} PRIVATE CORVELLANE_TEST_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                             CORVELLANE_TEST_GAME_DIR="${CORVELLANE_GAME_DIR}")
  gtest_discover_tests(${name} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "CORVELLANE_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
