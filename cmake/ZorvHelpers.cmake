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
    set(scope PUBLIC)
  else()
    add_library(${name} INTERFACE)
    set(scope INTERFACE)
  endif()
  target_include_directories(${name} ${scope} ${ZORV_GENERATED_INCLUDE_DIR})
  target_link_libraries(${name} ${scope} ${ARG_DEPS})
  # Its own folders, named as includes name them ("fuzzy/sets/CFuzzySet.h"): relative to engine/.
  set(links "")
  foreach(dir IN LISTS ARG_DIRS)
    file(RELATIVE_PATH rel "${PROJECT_SOURCE_DIR}/engine" "${CMAKE_CURRENT_SOURCE_DIR}/${dir}")
    list(APPEND links "${rel}")
  endforeach()
  zorv_include_root(${name} ${scope} BASE "${PROJECT_SOURCE_DIR}/engine" LINKS ${links})
endfunction()

# zorv_include_root(TARGET SCOPE BASE dir LINKS folder...)
# Gives TARGET an include root of its own that holds only the given folders (paths relative to BASE), each a
# link into the source tree. A library publishes only its own folders this way, so that an include of a
# header from a layer above it does not compile; scripts/check-layers.sh says the same in words.
function(zorv_include_root target scope)
  cmake_parse_arguments(ARG "" "BASE" "LINKS" ${ARGN})
  set(root "${PROJECT_BINARY_DIR}/include-roots/${target}")
  foreach(rel IN LISTS ARG_LINKS)
    # A folder inside one already linked comes with it.
    set(covered FALSE)
    foreach(other IN LISTS ARG_LINKS)
      if(rel MATCHES "^${other}/")
        set(covered TRUE)
      endif()
    endforeach()
    if(covered)
      continue()
    endif()
    get_filename_component(parent "${root}/${rel}" DIRECTORY)
    file(MAKE_DIRECTORY "${parent}")
    if(IS_SYMLINK "${root}/${rel}")
      file(REMOVE "${root}/${rel}")
    endif()
    file(CREATE_LINK "${ARG_BASE}/${rel}" "${root}/${rel}" SYMBOLIC)
  endforeach()
  target_include_directories(${target} ${scope} "${root}")
endfunction()

# zorv_test(NAME DIR dir [RECURSE] DEPS lib...)
# One GoogleTest executable per test folder; every .cpp file in the folder (and its subfolders with RECURSE)
# belongs to it. Each test case is one
# CTest test, labelled "gtest"; cases whose suite or test name contains "Thread" start threads of their own and
# are labelled "threaded" instead, which the ThreadSanitizer build runs (`ctest -L threaded`). Every executable
# joins the target zorv_gtests; one with such a case (declared on one line, as usual) also joins
# zorv_threaded_gtests.
function(zorv_test name)
  cmake_parse_arguments(ARG "RECURSE" "DIR" "DEPS" ${ARGN})
  if(ARG_RECURSE)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${ARG_DIR}/*.cpp")
  else()
    file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${ARG_DIR}/*.cpp")
  endif()
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} zorv_source_support GTest::gtest GTest::gtest_main)
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
