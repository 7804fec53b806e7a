# Platform contract tests in the Windows flavours: the suites of tests/contract, built against
# the real platform layer. They run in the 64-bit flavour under Wine (the toolchain's emulator),
# in a Wine prefix of the build folder. Test programs are ordinary C++ programs (exceptions, the
# full library); only the installer is built small. GoogleTest is cross-built from the
# machine's sources.
if(NOT TARGET gtest_main)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

# GoogleTest needs std::mutex, which the default MinGW-w64 compiler (win32 threads) lacks: test
# programs and GoogleTest are built with its POSIX-thread sibling.
set(VK_POSIX_CXX ${CMAKE_SOURCE_DIR}/tests/contract/posix_threads_cxx.sh)
foreach(target gtest gtest_main)
  set_target_properties(${target} PROPERTIES CXX_COMPILER_LAUNCHER ${VK_POSIX_CXX})
endforeach()

set(VK_WINE_TEST_ENVIRONMENT
  WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=)

# vk_contract_test(name sources...): a contract suite with the sources it tests.
function(vk_contract_test name)
  add_executable(${name} ${ARGN})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE gtest_main)
  target_compile_options(${name} PRIVATE -Wall -Wextra)
  target_link_options(${name} PRIVATE -static)
  set_target_properties(${name} PROPERTIES CXX_COMPILER_LAUNCHER ${VK_POSIX_CXX}
                        CXX_LINKER_LAUNCHER ${VK_POSIX_CXX})
  add_test(NAME ${name} COMMAND ${name})
  # The first run creates the prefix, which takes a while.
  set_tests_properties(${name} PROPERTIES LABELS contract TIMEOUT 600
                       ENVIRONMENT "${VK_WINE_TEST_ENVIRONMENT}")
endfunction()

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  vk_contract_test(registry_contract_test
    ${CMAKE_SOURCE_DIR}/tests/contract/registry_contract_test.cpp
    ${CMAKE_SOURCE_DIR}/discovery/registry_access.cpp
    ${CMAKE_SOURCE_DIR}/discovery/kept_keys.cpp
    ${CMAKE_SOURCE_DIR}/common/bounded_text.cpp
    ${CMAKE_SOURCE_DIR}/platform/win32/registry_win32.cpp
    ${CMAKE_SOURCE_DIR}/platform/win32/module_win32.cpp
    ${CMAKE_SOURCE_DIR}/platform/win32/system_win32.cpp)
  vk_contract_test(files_contract_test
    ${CMAKE_SOURCE_DIR}/tests/contract/files_contract_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/contract/file_bytes_win32.cpp
    ${CMAKE_SOURCE_DIR}/platform/win32/files_win32.cpp)
endif()
