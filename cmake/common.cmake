# One place for compile settings: every target of ours links tovi_options.
add_library(tovi_options INTERFACE)
target_compile_features(tovi_options INTERFACE cxx_std_20)
target_compile_options(tovi_options INTERFACE
  -Wall -Wextra -Wpedantic -Werror
  -Wno-error=deprecated-declarations
  # g++ 12 warns falsely about overlapping copies inside std::string when optimising
  # (GCC bug 105329); it stays a warning, never an error.
  -Wno-error=restrict
  # String literals are code page 936 bytes: "丨" is D8 AD. GB18030 writes every
  # GBK character with the same bytes, and unlike GBK it can also encode the "\u00b5"
  # that the standard library's <chrono> holds; tests pin the bytes.
  -fexec-charset=GB18030)
target_include_directories(tovi_options INTERFACE ${PROJECT_SOURCE_DIR}/src)

# TOVI_SANITIZE=address,undefined or TOVI_SANITIZE=thread builds everything instrumented.
set(TOVI_SANITIZE "" CACHE STRING "sanitizers to build with (address,undefined | thread)")
if(TOVI_SANITIZE)
  add_compile_options(-fsanitize=${TOVI_SANITIZE} -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=${TOVI_SANITIZE})
endif()

# A library made of every .cpp of the current folder.
function(tovi_folder_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC tovi_options ${ARGN})
  else()  # a folder whose code has not been written yet
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE tovi_options ${ARGN})
  endif()
endfunction()

# One test program per folder of tests/, made of every .cpp in it.
function(tovi_folder_tests folder)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${folder} ${sources})
  target_link_libraries(test_${folder} PRIVATE tovi_options GTest::gtest GTest::gtest_main GTest::gmock ${ARGN})
  target_include_directories(test_${folder} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  gtest_discover_tests(test_${folder} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS ${folder})
endfunction()
