# korvis_module(NAME DIR deps...): one library from every .cpp/.h of DIR and its
# sub-folders. A folder without sources yet becomes an interface library, so the
# dependency graph stays the same while modules are filled in.
function(korvis_module name dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.h)
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  if(sources)
    file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.h)
    add_library(${name} STATIC ${sources} ${headers})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARGN})
    target_compile_options(${name} PRIVATE -Wall -Wextra)
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

# korvis_tests(NAME DIR CORE|GUI [USES_PTY] libs...): one GoogleTest executable
# from the .cpp files of DIR and its sub-folders (the rooms of a layer), run by ctest with the test
# data path. USES_PTY: its tests open pseudo-terminals as serial ports; the
# serial layer locks a port by its device name, and the kernel hands a freed
# terminal number to the next process, so such tests never run side by side.
function(korvis_tests name dir kind)
  cmake_parse_arguments(PARSE_ARGV 3 option "USES_PTY" "" "")
  set(libraries ${option_UNPARSED_ARGUMENTS})
  set(lock "")
  if(option_USES_PTY)
    set(lock RESOURCE_LOCK pseudo_terminal)
  endif()
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  if(kind STREQUAL "GUI")
    target_link_libraries(${name} PRIVATE test_support_gui)
  else()
    target_link_libraries(${name} PRIVATE test_support_core)
  endif()
  target_link_libraries(${name} PRIVATE ${libraries} GTest::gtest GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    KORVIS_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300 ${lock})
endfunction()

# korvis_bench(NAME FILE libs...): a benchmark program; built, not run by ctest.
function(korvis_bench name file)
  add_executable(${name} ${file})
  target_link_libraries(${name} PRIVATE ${ARGN})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()
