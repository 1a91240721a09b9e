# zorv_library(NAME DIRS dir... DEPS lib...)
# Builds a static library from every .cpp file of the given folders (relative to the current one).
# A folder without sources yet yields an interface library, so that the tree configures while it grows.
function(zorv_library name)
  cmake_parse_arguments(ARG "" "" "DIRS;DEPS" ${ARGN})
  set(sources "")
  foreach(dir IN LISTS ARG_DIRS)
    file(GLOB dir_sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp")
    list(APPEND sources ${dir_sources})
  endforeach()
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/engine ${PROJECT_SOURCE_DIR}
                                                ${ZORV_GENERATED_INCLUDE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/engine ${PROJECT_SOURCE_DIR}
                                                   ${ZORV_GENERATED_INCLUDE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# zorv_test(NAME DIR dir DEPS lib...)
# One GoogleTest executable per test folder; every .cpp file in the folder belongs to it. Each test case is one
# CTest test, labelled "gtest"; cases whose suite or test name contains "Thread" start threads of their own and
# are labelled "threaded" instead, which the ThreadSanitizer build runs (`ctest -L threaded`). Every executable
# joins the target zorv_gtests; one with such a case (declared on one line, as usual) also joins
# zorv_threaded_gtests.
function(zorv_test name)
  cmake_parse_arguments(ARG "" "DIR" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${ARG_DIR}/*.cpp")
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE ZORV_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 TEST_FILTER "-*Thread*" TEST_LIST ${name}_SERIAL
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS gtest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 TEST_FILTER "*Thread*" TEST_LIST ${name}_THREADED
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS threaded)
  zorv_join_test_group(zorv_gtests ${name})
  foreach(src IN LISTS sources)
    file(STRINGS ${src} threaded REGEX "^ *TEST(_F|_P)? *\\([^)]*Thread")
    if(threaded)
      zorv_join_test_group(zorv_threaded_gtests ${name})
      break()
    endif()
  endforeach()
endfunction()

# zorv_join_test_group(GROUP TARGET): GROUP is a target that builds TARGET, so a build can ask for a group of
# test executables at once (cmake --build B --target zorv_gtests).
function(zorv_join_test_group group target)
  if(NOT TARGET ${group})
    add_custom_target(${group})
  endif()
  add_dependencies(${group} ${target})
endfunction()
