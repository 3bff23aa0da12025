# Build helpers shared by every folder.
#
# Three configurations come from one tree:
#   native  host g++, portable libraries and their tests, under ASan and UBSan
#   win64   x86_64 mingw, everything; tests run under wine64 (the emulator)
#   win32   i686 mingw, the program's own target; built, never run
#   fuzz    host clang, the portable libraries and their libFuzzer targets
#           (scripts/checks/fuzz builds and runs it)
#
# Portable code never includes windows.h, so it builds in all three.

if(NOT DEFINED ZULTA_TARGET)
  set(ZULTA_TARGET native)
endif()
set(ZULTA_WINDOWS OFF)
if(ZULTA_TARGET STREQUAL "win64" OR ZULTA_TARGET STREQUAL "win32")
  set(ZULTA_WINDOWS ON)
endif()
set(ZULTA_RUN_TESTS OFF)
if(ZULTA_TARGET STREQUAL "native" OR ZULTA_TARGET STREQUAL "win64")
  set(ZULTA_RUN_TESTS ON)
endif()

set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

add_compile_options(-Wall -Wextra -Wno-unused-parameter)

# Optimisation, unless a build type is asked for. Tests dominate the build:
# natively they compile unoptimised (the sanitizers check just as much), the
# fuzz targets need speed, and the Windows program is optimised without debug
# information, which mingw makes expensive. Assertions stay on in the native
# and fuzz builds, where the tests and fuzzers run them over the models'
# invariants; the Windows builds are the program as shipped.
if(NOT CMAKE_BUILD_TYPE)
  if(ZULTA_TARGET STREQUAL "native")
    add_compile_options(-O0 -g)
  elseif(ZULTA_TARGET STREQUAL "fuzz")
    add_compile_options(-O1 -g)
  else()
    add_compile_options(-O1)
    add_compile_definitions(NDEBUG)
  endif()
endif()
if(ZULTA_WINDOWS)
  add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601 _WIN32_IE=0x0600 NOMINMAX)
  add_link_options(-static -static-libgcc -static-libstdc++)
else()
  set(ZULTA_SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer
                     -fno-sanitize-recover=undefined)
  if(ZULTA_TARGET STREQUAL "fuzz")
    list(APPEND ZULTA_SANITIZE -fsanitize=fuzzer-no-link)
  endif()
  # A CString passed to Format without its (LPCTSTR) cast prints garbage.
  add_compile_options(${ZULTA_SANITIZE} -Werror=format)
  add_link_options(${ZULTA_SANITIZE})
endif()

# Headers are included by their path from the top of the tree:
# "classlib/core/CString.h", "hebtext/HebChar.h", ...
include_directories(${PROJECT_SOURCE_DIR})

if(ZULTA_RUN_TESTS)
  enable_testing()
  if(ZULTA_WINDOWS)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    set(ZULTA_GTEST gtest gmock gtest_main)
  else()
    find_package(GTest REQUIRED)
    set(ZULTA_GTEST GTest::gtest GTest::gmock GTest::gtest_main)
  endif()
endif()

# zulta_library(name [WINDOWS] SOURCES ... [DEPS ...])
# A static library; WINDOWS marks one that needs Win32 and is skipped natively.
function(zulta_library name)
  cmake_parse_arguments(ARG "WINDOWS" "" "SOURCES;DEPS" ${ARGN})
  if(ARG_WINDOWS AND NOT ZULTA_WINDOWS)
    return()
  endif()
  add_library(${name} STATIC ${ARG_SOURCES})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# zulta_test(name [WINDOWS] [UI] [SHARDS n] SOURCES ... [DEPS ...])
# A GoogleTest program registered with ctest. WINDOWS tests run only under Wine;
# UI tests create windows and need the display that ./test provides. SHARDS
# splits a long native program into n entries, name.1 to name.n, each running
# every nth test through GoogleTest's sharding, so that ctest -j spreads them;
# under Wine a process start costs more than it would save, and the program
# stays one entry.
function(zulta_test name)
  cmake_parse_arguments(ARG "WINDOWS;UI" "SHARDS" "SOURCES;DEPS" ${ARGN})
  if(NOT ZULTA_RUN_TESTS)
    return()
  endif()
  if((ARG_WINDOWS OR ARG_UI) AND NOT ZULTA_WINDOWS)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} ${ZULTA_GTEST})
  # The libraries a Windows test program runs are built as shipped; its own
  # files need no optimisation, which costs a fifth of their compile time.
  if(ZULTA_WINDOWS AND NOT CMAKE_BUILD_TYPE)
    target_compile_options(${name} PRIVATE -O0)
  endif()
  # Its files compile in batches, one translation unit for up to 32, so that
  # GoogleTest, windows.h and the libraries' headers are parsed, and their
  # inline code emitted, once a batch rather than once a file: most of the
  # test programs' compile time, which is parsing. Each file keeps its
  # file-local names in a namespace named after it, so that they cannot clash
  # with another file's of its batch.
  set_target_properties(${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 32)
  set(labels ${ZULTA_TARGET})
  set(lock "")
  if(ARG_UI)
    list(APPEND labels ui)
    # Windows of tests running side by side would cover each other on the
    # one display, and screen captures would see the wrong window.
    set(lock display)
  endif()
  set(environment "ZULTA_SOURCE_DIR=${PROJECT_SOURCE_DIR};ZULTA_BINARY_DIR=${CMAKE_BINARY_DIR}")
  if(NOT ARG_SHARDS OR ZULTA_WINDOWS)
    set(ARG_SHARDS 1)
  endif()
  foreach(shard RANGE 1 ${ARG_SHARDS})
    set(entry ${name})
    set(entry_environment ${environment})
    if(ARG_SHARDS GREATER 1)
      set(entry ${name}.${shard})
      math(EXPR index "${shard} - 1")
      list(APPEND entry_environment GTEST_TOTAL_SHARDS=${ARG_SHARDS} GTEST_SHARD_INDEX=${index})
    endif()
    add_test(NAME ${entry} COMMAND ${name})
    set_tests_properties(${entry} PROPERTIES TIMEOUT 300 LABELS "${labels}"
      RESOURCE_LOCK "${lock}" ENVIRONMENT "${entry_environment}")
  endforeach()
endfunction()

# zulta_fuzzer(name SOURCES ... [DEPS ...] CORPUS folder)
# A libFuzzer target over portable code, built only in the fuzz configuration.
# The committed corpus folder seeds it; scripts/checks/fuzz finds every target
# through the list file written here.
function(zulta_fuzzer name)
  cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;DEPS" ${ARGN})
  if(NOT ZULTA_TARGET STREQUAL "fuzz")
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/fuzzers/${name}
       CONTENT "$<TARGET_FILE:${name}>\n${ARG_CORPUS}\n")
endfunction()
