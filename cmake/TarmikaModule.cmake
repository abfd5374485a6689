# One static library per source folder, made of every .cpp/.h directly in that folder.
# tarmika_module(NAME name DEPS lib...) ; the library is called tarmika_<name>.
function(tarmika_module)
  cmake_parse_arguments(M "" "NAME" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  add_library(tarmika_${M_NAME} STATIC ${sources})
  target_include_directories(tarmika_${M_NAME} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(tarmika_${M_NAME} PUBLIC ${M_DEPS})
endfunction()

# One QtTest executable per tst_*.cpp file of the calling folder, registered with CTest.
# tarmika_tests(DEPS lib...)
function(tarmika_tests)
  cmake_parse_arguments(T "" "" "DEPS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
  foreach(src ${tests})
    get_filename_component(stem ${src} NAME_WE)
    string(REGEX REPLACE "^tst_" "test_" target ${stem})
    add_executable(${target} ${src})
    target_link_libraries(${target} PRIVATE ${T_DEPS} tarmika_testsupport Qt6::Test)
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TARMIKA_TEST_DATA=${TARMIKA_DATA_DIR};ASAN_OPTIONS=detect_leaks=1:abort_on_error=1;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/scripts/lsan.supp:print_suppressions=0"
      TIMEOUT 600)
  endforeach()
endfunction()
