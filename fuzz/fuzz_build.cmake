# The fuzz build: given as CMAKE_PROJECT_Pirogram_INCLUDE, so it runs right after
# the main project() call. Every layer then gets libFuzzer's coverage and the
# sanitizers, and the fuzz targets are added once the main tree has defined
# its libraries. The ordinary builds never read this file.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "the fuzz targets need clang (CMAKE_CXX_COMPILER=clang++)")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                    -fno-sanitize-recover=undefined)
add_link_options(-fsanitize=address,undefined)
cmake_language(EVAL CODE "cmake_language(DEFER CALL include [[${CMAKE_CURRENT_LIST_DIR}/fuzz_targets.cmake]])")
