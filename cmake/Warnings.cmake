# One place for the warning set, so every target of ours is held to the same rules.
function(veltmoor_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(${target} PRIVATE -Wshadow=local)
    endif()
    if(VELTMOOR_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# Each source folder is one static library; sources are picked up by folder so that
# adding a file never needs a build edit.
function(veltmoor_library name folder)
    file(GLOB_RECURSE _sources CONFIGURE_DEPENDS ${folder}/*.cpp)
    if(NOT _sources)
        message(FATAL_ERROR "The layer ${folder} has no sources; declare a layer with its code.")
    endif()
    add_library(${name} STATIC ${_sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    veltmoor_warnings(${name})
endfunction()

# One test program per source folder, registered with ctest case by case.
function(veltmoor_test_program name folder)
    file(GLOB_RECURSE _sources CONFIGURE_DEPENDS ${folder}/*.cpp)
    add_executable(${name} ${_sources})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE veltmoor_test_support GTest::gtest GTest::gmock ${ARGN})
    target_compile_definitions(${name} PRIVATE VELTMOOR_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
    veltmoor_warnings(${name})
    # A test suite named ...LongRun takes a minute or more: it carries the label "long", so
    # that `ctest -LE long` leaves it out of a quick run.
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 TEST_FILTER "-*LongRun.*"
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 TEST_FILTER "*LongRun.*"
        PROPERTIES LABELS long ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
