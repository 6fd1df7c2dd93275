# kestrune_library(NAME DEPS...): one static library per src/ folder, sources globbed
# so that adding a class pair needs no edit here.
function(kestrune_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  # Headers are listed too, so that a header-only QObject interface gets its moc.
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(sources)
    add_library(kestrune_${name} STATIC ${sources} ${headers})
    target_include_directories(kestrune_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(kestrune_${name} PUBLIC ${ARGN})
  else()  # a folder whose classes are all header-only (or not written yet)
    add_library(kestrune_${name} INTERFACE)
    target_include_directories(kestrune_${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(kestrune_${name} INTERFACE ${ARGN})
  endif()
endfunction()

# kestrune_test(NAME [OWN_MAIN] [WEBENGINE] LIBS...): one GoogleTest executable per tests/ folder,
# run by CTest headless on the offscreen platform. WEBENGINE marks programs that start the web
# engine (label "webengine"); the sanitizer run leaves those out.
function(kestrune_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "OWN_MAIN;WEBENGINE" "" "")
  set(main kestrune_testmain)
  if(arg_OWN_MAIN)
    set(main "")
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${name} ${sources})
  target_include_directories(test_${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(test_${name} PRIVATE ${arg_UNPARSED_ARGUMENTS} ${main} kestrune_testsupport GTest::gtest GTest::gmock)
  add_test(NAME ${name} COMMAND test_${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KESTRUNE_TEST_DATA=${CMAKE_SOURCE_DIR}/tests/data;KESTRUNE_BUILD_DIR=${CMAKE_BINARY_DIR}"
    TIMEOUT 900)
  if(arg_WEBENGINE)
    set_tests_properties(${name} PROPERTIES LABELS webengine)
  endif()
endfunction()

# kestrune_bench(NAME LIBS...): one Google Benchmark executable per bench/ folder. Benchmarks
# measure and report; they never decide pass or fail.
function(kestrune_bench name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(bench_${name} ${sources})
  target_link_libraries(bench_${name} PRIVATE ${ARGN} benchmark::benchmark)
endfunction()

# Adds every immediate subfolder of the current folder that has a CMakeLists.txt.
function(kestrune_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
