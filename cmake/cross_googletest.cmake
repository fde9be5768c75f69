# GoogleTest for cross builds: compiled from Debian's sources (googletest package) with the cross
# compiler, since libgtest-dev holds host libraries only. Defines GTest::gtest and
# GTest::gtest_main as the native find_package would.
set(KENNWERK_GTEST_SOURCE "/usr/src/googletest/googletest" CACHE PATH "GoogleTest sources")
if(NOT EXISTS "${KENNWERK_GTEST_SOURCE}/src/gtest-all.cc")
  message(FATAL_ERROR "GoogleTest sources not found in ${KENNWERK_GTEST_SOURCE}: install googletest")
endif()

add_library(kennwerk_cross_gtest STATIC "${KENNWERK_GTEST_SOURCE}/src/gtest-all.cc")
target_include_directories(kennwerk_cross_gtest SYSTEM PUBLIC "${KENNWERK_GTEST_SOURCE}/include")
target_include_directories(kennwerk_cross_gtest PRIVATE "${KENNWERK_GTEST_SOURCE}")
add_library(kennwerk_cross_gtest_main STATIC "${KENNWERK_GTEST_SOURCE}/src/gtest_main.cc")
target_link_libraries(kennwerk_cross_gtest_main PUBLIC kennwerk_cross_gtest)
add_library(GTest::gtest ALIAS kennwerk_cross_gtest)
add_library(GTest::gtest_main ALIAS kennwerk_cross_gtest_main)

# Listing the tests means running the executable under the emulator; do it when CTest runs, where
# the Wine prefix and the display exist, not at build time.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
