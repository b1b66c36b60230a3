# vorkel_library(NAME DIR [DEPS...]): one static library from the .cpp files of DIR.
function(vorkel_library name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
  if(NOT sources)
    set(sources ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# vorkel_tests(NAME DIR [DEPS...]): one GoogleTest program from the tests of DIR.
function(vorkel_tests name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARGN} vorkel_testing GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    VORKEL_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    VORKEL_BINARY_DIR="${PROJECT_BINARY_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "VORKEL_REGISTRY=${CMAKE_CURRENT_BINARY_DIR}/${name}-registry.ini")
endfunction()
