# Shared build rules. Every library globs its own folder, so adding a source file
# never means editing a build file; the dependency direction is spelled out per library.

set(LUMORA_WARNINGS -Wall -Wextra -Wpedantic -Werror -Wno-unused-parameter)

# lumora_library(NAME DIRS dir... [DEPS target...] [PRIVATE_DEPS target...])
#
# Includes are written from the root or from platform/ ("settings/LMSettings.h", "objc/NSObject.h"),
# yet a library must see only its own folders and those of the libraries it depends on. So its
# include path is not the root but a folder of links made for it (build/include/NAME: one link
# per folder of its own), handed on to whatever links it. An include of a folder the library may
# not use, a layer above it or a piece it does not depend on, fails to compile.
function(lumora_library name)
  cmake_parse_arguments(ARG "" "" "DIRS;DEPS;PRIVATE_DEPS" ${ARGN})
  set(sources)
  set(view ${CMAKE_BINARY_DIR}/include/${name})
  file(MAKE_DIRECTORY ${view})
  foreach(dir IN LISTS ARG_DIRS)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND sources ${found})
    cmake_path(GET dir FILENAME folder)
    if(NOT IS_SYMLINK ${view}/${folder})
      file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${dir} ${view}/${folder} SYMBOLIC)
    endif()
  endforeach()
  if(NOT sources)
    # Headers only, so far.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${view})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS} ${ARG_PRIVATE_DEPS})
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_compile_options(${name} PRIVATE ${LUMORA_WARNINGS})
  target_include_directories(${name} PUBLIC ${view})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
endfunction()

# lumora_test(NAME DIRS dir... DEPS target...): one GoogleTest program over the given test folders.
# Each test runs in its own process under ctest, so process-wide singletons start fresh.
function(lumora_test name)
  cmake_parse_arguments(ARG "" "" "DIRS;DEPS" ${ARGN})
  set(sources)
  foreach(dir IN LISTS ARG_DIRS)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${dir}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_compile_options(${name} PRIVATE ${LUMORA_WARNINGS})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} testsupport GTest::gtest_main GTest::gmock)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "LUMORA_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
endfunction()
