# Helpers shared by the folders' CMakeLists.

# cantaro_layer(<name> [QT] [DEPS <targets>...])
# Makes the library target cantaro_<name> from every .cpp in the calling folder. A folder
# without sources yet becomes an interface target, so the layers above it still link.
function(cantaro_layer name)
  cmake_parse_arguments(L "QT" "" "DEPS" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  set(_target cantaro_${name})
  if(_src)
    add_library(${_target} STATIC ${_src})
    target_include_directories(${_target} PUBLIC "${CMAKE_SOURCE_DIR}")
    target_link_libraries(${_target} PUBLIC ${L_DEPS})
    # The core layers are plain C++: no Qt code generation there.
    if(name IN_LIST CANTARO_CORE_LAYERS)
      set_target_properties(${_target} PROPERTIES AUTOMOC OFF)
    endif()
  else()
    add_library(${_target} INTERFACE)
    target_include_directories(${_target} INTERFACE "${CMAKE_SOURCE_DIR}")
    target_link_libraries(${_target} INTERFACE ${L_DEPS})
  endif()
endfunction()

# cantaro_test(<name> [LIBS <targets>...] [SOURCES <files>...])
# One test program per layer: tests/<name>/*.cpp (or the given sources) into test_<name>,
# every GoogleTest case registered with CTest. Tests find the shared corpus through
# CANTARO_SHARED_DIR and the project's own files through CANTARO_SOURCE_DIR.
function(cantaro_test name)
  cmake_parse_arguments(T "" "" "LIBS;SOURCES" ${ARGN})
  if(T_SOURCES)
    set(_src ${T_SOURCES})
  else()
    file(GLOB _src CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  endif()
  if(NOT _src)
    return()
  endif()
  add_executable(test_${name} ${_src})
  target_link_libraries(test_${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(test_${name} PRIVATE
    CANTARO_SHARED_DIR="${CANTARO_SHARED_DIR}"
    CANTARO_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    CANTARO_BINARY_DIR="${CMAKE_BINARY_DIR}")
  gtest_discover_tests(test_${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1"
    DISCOVERY_TIMEOUT 60)
endfunction()

# cantaro_bench(<name> SOURCES <files>... [LIBS <targets>...])
function(cantaro_bench name)
  cmake_parse_arguments(B "" "" "LIBS;SOURCES" ${ARGN})
  add_executable(bench_${name} ${B_SOURCES})
  target_link_libraries(bench_${name} PRIVATE ${B_LIBS} benchmark::benchmark)
  target_compile_definitions(bench_${name} PRIVATE
    CANTARO_SHARED_DIR="${CANTARO_SHARED_DIR}"
    CANTARO_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
endfunction()

# cantaro_fuzzer(<name> SOURCES <files>... [LIBS <targets>...])
function(cantaro_fuzzer name)
  cmake_parse_arguments(F "" "" "LIBS;SOURCES" ${ARGN})
  add_executable(fuzz_${name} ${F_SOURCES})
  target_link_libraries(fuzz_${name} PRIVATE ${F_LIBS})
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
endfunction()

# Adds every subfolder of the calling folder that has a CMakeLists.txt.
function(cantaro_add_subfolders)
  file(GLOB _children RELATIVE "${CMAKE_CURRENT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}/*")
  list(SORT _children)
  foreach(child ${_children})
    if(IS_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}/${child}" AND EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt")
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
