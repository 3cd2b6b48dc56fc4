# The regression pass of the sanitizer build: the fuzz targets' seeds, and the inputs fuzzing
# once found, replayed through every reader without libFuzzer. Included by the top-level
# CMakeLists.txt when GB_SANITIZE is on.
set(GB_FUZZ_DIR ${CMAKE_SOURCE_DIR}/fuzz)
set(GB_SEEDS_DIR ${CMAKE_BINARY_DIR}/fuzz-seeds)

add_executable(make_seeds ${GB_FUZZ_DIR}/make_seeds.cpp)
target_include_directories(make_seeds PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(make_seeds PRIVATE gb_imagelib)
add_test(NAME FuzzSeeds.Make COMMAND make_seeds ${GB_SEEDS_DIR})
set_tests_properties(FuzzSeeds.Make PROPERTIES FIXTURES_SETUP gb_fuzz_seeds)

foreach(format bmp pcx tga wmf emf jpeg png gif tiff psd)
  string(TOUPPER ${format} upper)
  add_executable(replay_${format} ${GB_FUZZ_DIR}/readers_fuzz.cpp ${GB_FUZZ_DIR}/replay_main.cpp)
  target_compile_definitions(replay_${format} PRIVATE FUZZ_${upper})
  target_include_directories(replay_${format} PRIVATE ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(replay_${format} PRIVATE gb_imagelib gb_image)
  set(inputs ${GB_SEEDS_DIR}/${format})
  if(EXISTS ${GB_FUZZ_DIR}/found/${format})
    list(APPEND inputs ${GB_FUZZ_DIR}/found/${format})
  endif()
  add_test(NAME FuzzSeeds.${format} COMMAND replay_${format} ${inputs})
  set_tests_properties(FuzzSeeds.${format} PROPERTIES FIXTURES_REQUIRED gb_fuzz_seeds TIMEOUT 300)
endforeach()
