# Helpers that keep every target built the same way.

set(HARUNE_WARNINGS -Wall -Wextra)

function(harune_common_options target)
  target_compile_options(${target} PRIVATE ${HARUNE_WARNINGS})
  if(HARUNE_SANITIZE)
    # Undefined behaviour ends the test that runs into it instead of only printing a line.
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-sanitize-recover=undefined
                           -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
  if(HARUNE_FUZZ)
    # Undefined behaviour ends the run, so that the fuzzer keeps the input that caused it.
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link,address,undefined
                           -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# harune_library(<name> SOURCES ... LIBS ...)
# One static library per source folder; headers are included as "<folder>/<Header>.h".
function(harune_library name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${A_LIBS})
  harune_common_options(${name})
endfunction()

# harune_test(<name> KIND core|gui|widgets SOURCES ... LIBS ...)
# KIND picks the application object the test main creates before the tests run.
function(harune_test name)
  cmake_parse_arguments(A "" "KIND" "SOURCES;LIBS" ${ARGN})
  if(NOT A_KIND)
    set(A_KIND core)
  endif()
  add_executable(${name} ${A_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${A_LIBS} testmain_${A_KIND} GTest::gtest GTest::gmock)
  target_compile_definitions(${name} PRIVATE HARUNE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  harune_common_options(${name})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy")
endfunction()

function(harune_bench name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  target_link_libraries(${name} PRIVATE ${A_LIBS} benchmark::benchmark)
  target_compile_definitions(${name} PRIVATE HARUNE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  harune_common_options(${name})
endfunction()
