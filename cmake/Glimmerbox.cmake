# Build helpers shared by every folder.
#
#   gb_engine(NAME SOURCES ... [DEPS ...])  a widget-free static library; all of them
#                                           together form the `glimmerbox_core` target
#   gb_ui(NAME SOURCES ... [DEPS ...])      a static library of windows, linked into the program
#   gb_test(NAME SOURCES ... [DEPS ...])    a GoogleTest executable registered with CTest;
#                                           window tests run on the offscreen platform
#   gb_bench(NAME SOURCES ... [DEPS ...])   a benchmark program under bench/
#   gb_subdirs()                            adds every child folder that has a CMakeLists.txt

set_property(GLOBAL PROPERTY GB_ENGINE_LIBS "")
set_property(GLOBAL PROPERTY GB_UI_LIBS "")

set(GB_WARNINGS -Wall -Wextra -Wno-unused-parameter)

# Leaves out listed sources that are not in the tree (yet), with a warning, so that a file
# being written in one folder does not stop everybody else's configure.
function(_gb_existing out)
  set(kept "")
  foreach(src ${ARGN})
    if(IS_ABSOLUTE ${src})
      set(path ${src})
    else()
      set(path ${CMAKE_CURRENT_SOURCE_DIR}/${src})
    endif()
    if(EXISTS ${path})
      list(APPEND kept ${src})
    else()
      message(WARNING "${src} is listed in ${CMAKE_CURRENT_SOURCE_DIR} but missing")
    endif()
  endforeach()
  set(${out} ${kept} PARENT_SCOPE)
endfunction()

function(_gb_library kind name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  _gb_existing(A_SOURCES ${A_SOURCES})
  add_library(${name} STATIC ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_compile_options(${name} PRIVATE ${GB_WARNINGS})
  target_link_libraries(${name} PUBLIC ${A_DEPS})
  set_property(GLOBAL APPEND PROPERTY ${kind} ${name})
endfunction()

function(gb_engine name)
  _gb_library(GB_ENGINE_LIBS ${name} ${ARGN})
endfunction()

function(gb_ui name)
  _gb_library(GB_UI_LIBS ${name} ${ARGN})
endfunction()

function(gb_test name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  _gb_existing(A_SOURCES ${A_SOURCES})
  add_executable(${name} ${A_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  target_compile_options(${name} PRIVATE ${GB_WARNINGS})
  target_link_libraries(${name} PRIVATE ${A_DEPS} gb_testsupport GTest::gtest GTest::gmock)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
               TIMEOUT 300)
endfunction()

function(gb_bench name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  _gb_existing(A_SOURCES ${A_SOURCES})
  add_executable(${name} ${A_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PRIVATE ${A_DEPS})
endfunction()

macro(gb_subdirs)
  file(GLOB _gb_children RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT _gb_children)
  foreach(_gb_child ${_gb_children})
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${_gb_child}
       AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${_gb_child}/CMakeLists.txt)
      add_subdirectory(${_gb_child})
    endif()
  endforeach()
endmacro()

# Called once at the end of the top-level file, when every folder has declared its libraries.
function(gb_finish)
  get_property(engines GLOBAL PROPERTY GB_ENGINE_LIBS)
  get_property(uis GLOBAL PROPERTY GB_UI_LIBS)
  add_library(glimmerbox_core INTERFACE)
  target_link_libraries(glimmerbox_core INTERFACE ${engines})
  if(TARGET glimmerbox)
    # The program takes the windows its start-up code names (gb_app_ui lists them).
    target_link_libraries(glimmerbox PRIVATE gb_app_ui glimmerbox_core)
  endif()
endfunction()
