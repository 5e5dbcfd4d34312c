# libFuzzer targets for the portable core's readers: one executable per fuzz/<target>.cpp, with
# AddressSanitizer and UBSan. Only clang has libFuzzer.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "ORVANE_FUZZ needs clang (CXX=clang++)")
endif()

set(FUZZ_SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
# The core is instrumented for coverage; only the targets link libFuzzer's main.
target_compile_options(orvane_core PUBLIC ${FUZZ_SANITIZE_FLAGS} -fsanitize=fuzzer-no-link)
target_link_options(orvane_core PUBLIC ${FUZZ_SANITIZE_FLAGS})

file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*.cpp)
foreach(source ${FUZZ_SOURCES})
  get_filename_component(target ${source} NAME_WE)
  add_executable(fuzz_${target} ${source})
  target_include_directories(fuzz_${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests
                                                    ${CMAKE_SOURCE_DIR}/fuzz)
  target_compile_options(fuzz_${target} PRIVATE -fsanitize=fuzzer)
  target_link_options(fuzz_${target} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(fuzz_${target} PRIVATE orvane_core)
endforeach()
