# libFuzzer targets (clang only). The plug-in, the host and the layers above it are
# compiled again with coverage, AddressSanitizer and UndefinedBehaviorSanitizer, and the plug-in
# is linked into each target (the host loads it with loadStatic), so the fuzzer sees its code.
#   cmake --preset fuzz && cmake --build --preset fuzz
#   build/fuzz/fuzz_session fuzz/corpus/session -max_total_time=60
option(QT_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
if(NOT QT_FUZZ)
  return()
endif()
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "QT_FUZZ needs clang (libFuzzer); configure with the fuzz preset")
endif()

set(QT_FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)

add_library(quentarb_fuzz_plugin STATIC ${QT_PLUGIN_SOURCES})
target_include_directories(quentarb_fuzz_plugin PRIVATE ${QT_PLUGIN_INCLUDE})
target_compile_options(quentarb_fuzz_plugin PRIVATE ${QT_FUZZ_SANITIZERS} -fsanitize=fuzzer-no-link)

add_library(quentarb_fuzz_host STATIC ${QT_HOST_SOURCES} ${QT_EXPORT_SOURCES} ${QT_EXPORT_FILES_SOURCES}
            ${QT_SESSION_SOURCES} ${QT_APP_SOURCES})
target_include_directories(quentarb_fuzz_host PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(quentarb_fuzz_host PRIVATE ${QT_FUZZ_SANITIZERS} -fsanitize=fuzzer-no-link)
target_link_libraries(quentarb_fuzz_host PUBLIC nlohmann_json::nlohmann_json PkgConfig::CAIRO CLI11::CLI11
                      ${CMAKE_DL_LIBS})

add_custom_target(quentarb_fuzz)
foreach(name fuzz_session fuzz_parsers)
  add_executable(${name} ${CMAKE_SOURCE_DIR}/fuzz/${name}.cpp)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/fuzz)
  target_compile_options(${name} PRIVATE ${QT_FUZZ_SANITIZERS} -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE ${QT_FUZZ_SANITIZERS} -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE quentarb_fuzz_host quentarb_fuzz_plugin)
  target_compile_definitions(${name} PRIVATE QT_FUZZ_RESOURCE_FILE="${CMAKE_BINARY_DIR}/ZU41_QuenTarb.rsrc")
  add_dependencies(${name} quentarb_resources)
  add_dependencies(quentarb_fuzz ${name})
endforeach()
