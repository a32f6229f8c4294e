# The headless host, the command line, the tests and the benchmarks.
find_package(PkgConfig REQUIRED)
pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
find_package(nlohmann_json 3 REQUIRED)
find_package(CLI11 CONFIG REQUIRED)
find_package(GTest REQUIRED)
find_path(QT_UTFCPP_DIR utf8cpp/utf8.h REQUIRED DOC "utfcpp (Debian's libutfcpp-dev)")
# libfmt and fast_float serve the playground's build, whose C++ library has no floating-point
# to_chars and from_chars; the tests hold them to this library's.
find_package(fmt REQUIRED)
find_path(QT_FAST_FLOAT_DIR fast_float/fast_float.h REQUIRED DOC "fast_float (Debian's libfast-float-dev)")

file(GLOB QT_HOST_SOURCES CONFIGURE_DEPENDS host/*.cpp)
add_library(quentarb_host STATIC ${QT_HOST_SOURCES})
target_include_directories(quentarb_host PUBLIC ${CMAKE_SOURCE_DIR})
# nlohmann-json reads the resource file inside the host only; utfcpp (header-only, reached as
# <utf8cpp/utf8.h>) converts the text of the Unicode string and menu suites.
target_link_libraries(quentarb_host PUBLIC ${CMAKE_DL_LIBS} PRIVATE nlohmann_json::nlohmann_json)
add_dependencies(quentarb_host ZU41_QuenTarb quentarb_resources)
# Where the host finds the module (and its resource file beside it) by default.
target_compile_definitions(quentarb_host PUBLIC QT_MODULE_PATH="$<TARGET_FILE:ZU41_QuenTarb>")

# The export layer: the document as JSON and SVG and the scene every drawing exporter reads
# (portable: the playground and the Windows test program take it too), and files written
# whole or not at all, with PNG and PDF through cairo.
file(GLOB QT_EXPORT_SOURCES CONFIGURE_DEPENDS export/*.cpp)
add_library(quentarb_export STATIC ${QT_EXPORT_SOURCES})
target_link_libraries(quentarb_export PUBLIC quentarb_host)
file(GLOB QT_EXPORT_FILES_SOURCES CONFIGURE_DEPENDS export/files/*.cpp)
add_library(quentarb_export_files STATIC ${QT_EXPORT_FILES_SOURCES})
target_link_libraries(quentarb_export_files PUBLIC quentarb_export PkgConfig::CAIRO)

# The session layer: the plug-in driven as a person drives it (the palette's controls,
# gestures), and the values every front end checks.
file(GLOB QT_SESSION_SOURCES CONFIGURE_DEPENDS session/*.cpp)
add_library(quentarb_session STATIC ${QT_SESSION_SOURCES})
# Its document settings read JSON (session/document_settings.h).
target_link_libraries(quentarb_session PUBLIC quentarb_host nlohmann_json::nlohmann_json)

# The command line and the gallery.
file(GLOB QT_APP_SOURCES CONFIGURE_DEPENDS app/*.cpp)
list(FILTER QT_APP_SOURCES EXCLUDE REGEX ".*/main\\.cpp$")
# The presets table, which the gallery and the playground share, compiled in as text.
set(QT_PRESETS_SOURCE ${CMAKE_BINARY_DIR}/generated/presets_json.cpp)
add_custom_command(
  OUTPUT ${QT_PRESETS_SOURCE}
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_SOURCE_DIR}/resources/presets.json -DOUTPUT=${QT_PRESETS_SOURCE}
          -DNAME=kPresetsJson -P ${CMAKE_SOURCE_DIR}/resources/embed_text.cmake
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/presets.json ${CMAKE_SOURCE_DIR}/resources/embed_text.cmake
  COMMENT "Embedding resources/presets.json"
  VERBATIM)
add_library(quentarb_app STATIC ${QT_APP_SOURCES} ${QT_PRESETS_SOURCE})
target_link_libraries(quentarb_app PUBLIC quentarb_session quentarb_export_files CLI11::CLI11)

if(EXISTS ${CMAKE_SOURCE_DIR}/app/main.cpp)
  add_executable(quentarb app/main.cpp)
  target_link_libraries(quentarb PRIVATE quentarb_app)
endif()

# The Inkscape extension in <build>/inkscape/ (CMake's own files for it in inkscape-cmake/).
add_subdirectory(inkscape ${CMAKE_BINARY_DIR}/inkscape-cmake)

enable_testing()
include(GoogleTest)
file(GLOB QT_TEST_SOURCES CONFIGURE_DEPENDS tests/*.cpp)
add_executable(quentarb_tests ${QT_TEST_SOURCES})
target_include_directories(quentarb_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
# Exported symbols of the test program bind ahead of the C library's in the loaded module:
# the frame tests give the plug-in a clock they control.
set_target_properties(quentarb_tests PROPERTIES ENABLE_EXPORTS ON)
target_link_libraries(quentarb_tests PRIVATE quentarb_app fmt::fmt-header-only GTest::gtest GTest::gtest_main
                      GTest::gmock)
target_compile_definitions(quentarb_tests PRIVATE
  QT_SOURCE_DIR="${CMAKE_SOURCE_DIR}" QT_BINARY_DIR="${CMAKE_BINARY_DIR}")
# The command-line tests run the quentarb program itself.
if(TARGET quentarb)
  add_dependencies(quentarb_tests quentarb)
endif()

# A fixture of the command-line tests: a module that loads but will not start
# (build/DIR/fixture_modules/refusing_module.so, with the resource file beside it).
add_library(qt_refusing_module MODULE tests/fixture_modules/refusing_module.cpp)
target_include_directories(qt_refusing_module PRIVATE ${CMAKE_SOURCE_DIR})
set_target_properties(qt_refusing_module PROPERTIES PREFIX "" OUTPUT_NAME refusing_module
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fixture_modules)
add_dependencies(qt_refusing_module quentarb_resources)
add_custom_command(TARGET qt_refusing_module POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/ZU41_QuenTarb.rsrc
          ${CMAKE_BINARY_DIR}/fixture_modules/refusing_module.rsrc)
add_dependencies(quentarb_tests qt_refusing_module)
# Each test case in its own process: the plug-in keeps module-wide state. One time limit for
# every test, at least ten times the slowest under the sanitizers on a loaded machine: the
# slowest took 26 s there (a gallery piece that rsvg-convert renders, and the SIGTERM sweep at
# 25 s); a machine three times as busy still leaves a margin of ten. No test should need a
# minute: one that does is split into parameterised pieces.
gtest_discover_tests(quentarb_tests DISCOVERY_TIMEOUT 120 PROPERTIES TIMEOUT 900)

# Every folder's includes against the README's layout table.
add_test(NAME Layering.EveryFolderAsTheReadmeTableSays
  COMMAND ${CMAKE_COMMAND} -DSRC=${CMAKE_SOURCE_DIR} -P ${CMAKE_SOURCE_DIR}/cmake/CheckBoundaries.cmake)
# The check itself: small trees it must reject, each with the reason it must give.
foreach(case IN ITEMS "back_edge;frame/ may not include drag/" "unlisted;extra/ holds sources but has no row"
                      "cycle;cycle among: sdk, host")
  list(GET case 0 tree)
  list(GET case 1 reason)
  add_test(NAME Layering.Rejects_${tree}
    COMMAND ${CMAKE_COMMAND} -DSRC=${CMAKE_SOURCE_DIR}/tests/layering/${tree} -P ${CMAKE_SOURCE_DIR}/cmake/CheckBoundaries.cmake)
  set_tests_properties(Layering.Rejects_${tree} PROPERTIES PASS_REGULAR_EXPRESSION "${reason}")
endforeach()

# The libFuzzer targets, off unless QT_FUZZ is set (the fuzz preset).
include(${CMAKE_SOURCE_DIR}/cmake/Fuzz.cmake OPTIONAL)

# The benchmark suite, outside the tests (make bench).
include(${CMAKE_SOURCE_DIR}/cmake/Bench.cmake)

# The Python package (python/), when pybind11 and the Python headers are there.
add_subdirectory(${CMAKE_SOURCE_DIR}/python ${CMAKE_BINARY_DIR}/python)
