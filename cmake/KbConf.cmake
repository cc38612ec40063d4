# Shared helpers for the project's CMake files.

# Our own code builds with every warning as an error.
function(kb_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# kb_library(name SOURCES ... [LIBS ...]) — a static library rooted at src/.
function(kb_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  kb_warnings(${name})
endfunction()

# kb_test(name SOURCES ... [LIBS ...] [LABELS ...] [WRAPPER cmd...] [ENV k=v...])
# One GoogleTest binary, run by CTest as one test. Label "tsan" puts it into the
# ThreadSanitizer run.
function(kb_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS;WRAPPER;ENV" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  kb_warnings(${name})
  add_test(NAME ${name} COMMAND ${ARG_WRAPPER} $<TARGET_FILE:${name}>)
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  if(ARG_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
  endif()
  if(ARG_ENV)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${ARG_ENV}")
  endif()
endfunction()

# kb_bench(name SOURCES ... [LIBS ...]) — a Google Benchmark program (not a test).
function(kb_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT TARGET benchmark::benchmark)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  kb_warnings(${name})
endfunction()
