# Helpers shared by the folders' CMakeLists.

include(GoogleTest)

# Where the tests find the committed assets and other source-tree data.
set(TRESILVA_SOURCE_DIR ${CMAKE_SOURCE_DIR})

# tresilva_add_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2)
# One GoogleTest executable; every case becomes a CTest test. Tests run on Qt's
# offscreen platform and never depend on the machine's locale.
function(tresilva_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE TRESILVA_SOURCE_DIR="${TRESILVA_SOURCE_DIR}")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANG=C.UTF-8;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-config"
               TIMEOUT 300)
endfunction()

# tresilva_add_bench(NAME SOURCES a.cpp LIBS lib1)
function(tresilva_add_bench name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
  set_property(GLOBAL APPEND PROPERTY TRESILVA_BENCHES ${name})
endfunction()

find_package(GTest REQUIRED)
find_package(benchmark REQUIRED)
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets)
