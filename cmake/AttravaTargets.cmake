# One helper per kind of target, so each folder's CMakeLists.txt stays a few lines.

set(ATTRAVA_WARNINGS -Wall -Wextra -Wpedantic)

# Tests keep their compiled-library cache in the build tree, not the user's.
set(ATTRAVA_TEST_ENVIRONMENT "XDG_CACHE_HOME=${PROJECT_BINARY_DIR}/test-cache")

# attrava_add_library(<name> [FOLDER <folder>] [SOURCES ...] [DEPS ...] [PRIVATE_DEPS ...])
# Creates the library attrava_<name> with the alias attrava::<name> from the
# sources of src/<folder> (default: src/<name>); without sources it is a
# header-only interface library.
#
# Headers are included as "<folder>/<file>.h". Each library exposes only its
# own folder: the build stages a link to src/<folder> in a folder of its own
# and makes that the library's include path. A file therefore sees the
# headers of its own library and of the libraries it links, and an include of
# a higher layer fails to compile.
function(attrava_add_library name)
  cmake_parse_arguments(ARG "" "FOLDER" "SOURCES;DEPS;PRIVATE_DEPS" ${ARGN})
  if(NOT ARG_FOLDER)
    set(ARG_FOLDER ${name})
  endif()
  set(stage ${PROJECT_BINARY_DIR}/include/${name})
  get_filename_component(link_parent ${stage}/${ARG_FOLDER} DIRECTORY)
  file(MAKE_DIRECTORY ${link_parent})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${ARG_FOLDER} ${stage}/${ARG_FOLDER} SYMBOLIC)

  if(ARG_SOURCES)
    add_library(attrava_${name} STATIC ${ARG_SOURCES})
    target_include_directories(attrava_${name} PUBLIC ${stage})
    target_compile_options(attrava_${name} PRIVATE ${ATTRAVA_WARNINGS})
    target_link_libraries(attrava_${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
  else()
    add_library(attrava_${name} INTERFACE)
    target_include_directories(attrava_${name} INTERFACE ${stage})
    target_link_libraries(attrava_${name} INTERFACE ${ARG_DEPS})
  endif()
  add_library(attrava::${name} ALIAS attrava_${name})
endfunction()

# attrava_add_test(<name> SOURCES ... DEPS ... [GUI] [TEST_PREFIX <prefix>])
# One GoogleTest executable per library; every test case is registered with CTest,
# its name preceded by TEST_PREFIX when given.
function(attrava_add_test name)
  cmake_parse_arguments(ARG "" "TEST_PREFIX" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE ${ATTRAVA_WARNINGS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    ATTRAVA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    ATTRAVA_PROGRAM_DIR="${ATTRAVA_PROGRAM_DIR}")
  gtest_discover_tests(${name} WORKING_DIRECTORY ${ATTRAVA_PROGRAM_DIR}
    TEST_PREFIX "${ARG_TEST_PREFIX}"
    DISCOVERY_TIMEOUT 60 DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "${ATTRAVA_TEST_ENVIRONMENT}")
endfunction()

# attrava_add_qt_test(<name> SOURCES ... DEPS ...)
# One Qt Test executable (QTEST_MAIN, moc on), registered with CTest as one
# test on the xcb platform; run ctest under xvfb-run where there is no display.
# These tests show windows, take focus and send real input on the one display,
# so they hold a shared lock and never run beside each other.
function(attrava_add_qt_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  find_package(Qt6 REQUIRED COMPONENTS Test Widgets)
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_compile_options(${name} PRIVATE ${ATTRAVA_WARNINGS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} Qt6::Test Qt6::Widgets)
  target_compile_definitions(${name} PRIVATE
    ATTRAVA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    ATTRAVA_PROGRAM_DIR="${ATTRAVA_PROGRAM_DIR}")
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${ATTRAVA_PROGRAM_DIR})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb;${ATTRAVA_TEST_ENVIRONMENT}"
    RESOURCE_LOCK x_display)
endfunction()
