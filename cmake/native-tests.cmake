# Native unit tests of the portable core, run by CTest.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB FORTUVA_TEST_SOURCES CONFIGURE_DEPENDS
    tests/support/*.cpp tests/base/*.cpp tests/numbers/*.cpp tests/check/*.cpp tests/app/*.cpp
    tests/about/*.cpp tests/resources/*.cpp)
add_executable(fortuva_tests ${FORTUVA_TEST_SOURCES})
target_link_libraries(fortuva_tests PRIVATE fortuva_app GTest::gtest GTest::gtest_main)
target_include_directories(fortuva_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_options(fortuva_tests PRIVATE ${FORTUVA_WARNINGS})
# The checks of Fortuva.exe compare its manifest with the one the build writes.
include(cmake/version.cmake)
target_compile_definitions(fortuva_tests PRIVATE
    FORTUVA_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}"
    FORTUVA_MANIFEST="${FORTUVA_GENERATED_DIR}/Fortuva.manifest")
gtest_discover_tests(fortuva_tests DISCOVERY_TIMEOUT 60)
include(cmake/bench.cmake)
