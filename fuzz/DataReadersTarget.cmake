# libFuzzer target over the rule base reader and the data-file import: the rule base, inference,
# F-transform and data-table sources compiled again with coverage and sanitizers, on top of the
# instrumented fuzzy library of the readers target.
set(data_reader_sources "")
foreach(dir IN ITEMS engine/rulebase engine/inference engine/ftransform)
  file(GLOB_RECURSE dir_sources CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/${dir}/*.cpp")
  list(APPEND data_reader_sources ${dir_sources})
endforeach()
file(GLOB_RECURSE app_core_sources CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/app/core/*.cpp")
list(APPEND data_reader_sources ${app_core_sources})

add_library(zorv_rules_instrumented STATIC ${data_reader_sources})
target_link_libraries(zorv_rules_instrumented PUBLIC zorv_fuzzy_instrumented)

add_executable(zorv_fuzz_data_readers FuzzDataReaders.cpp)
target_link_libraries(zorv_fuzz_data_readers PRIVATE zorv_rules_instrumented)
target_link_options(zorv_fuzz_data_readers PRIVATE -fsanitize=fuzzer ${fuzz_sanitizers})
