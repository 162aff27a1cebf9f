# libFuzzer targets; included by fuzz_build.cmake at the end of the main CMakeLists.txt.
function(pg_fuzz_target name source)
  add_executable(${name} ${CMAKE_CURRENT_LIST_DIR}/${source})
  target_compile_options(${name} PRIVATE ${PG_WARNINGS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set_target_properties(${name} PROPERTIES BUILD_RPATH "$<TARGET_FILE_DIR:pg_platform>")
endfunction()

# Integers, decimals, colours, fonts, lists, code pages and number pictures.
pg_fuzz_target(fuzz_params params_fuzz.cpp)
target_link_libraries(fuzz_params PRIVATE pg_framework)

# Bitmaps, icons, metafiles and JPEG files.
pg_fuzz_target(fuzz_pictures pictures_fuzz.cpp)
target_link_libraries(fuzz_pictures PRIVATE pg_engine)

# nbExecAction and nbEditAction on a live chart, through the reference host's session.
pg_fuzz_target(fuzz_actions actions_fuzz.cpp)
target_link_libraries(fuzz_actions PRIVATE pg_host)
target_compile_definitions(fuzz_actions PRIVATE PG_MODULE_PATH="$<TARGET_FILE:Pirogram>")
add_dependencies(fuzz_actions Pirogram)

add_custom_target(fuzzers DEPENDS fuzz_params fuzz_pictures fuzz_actions)
