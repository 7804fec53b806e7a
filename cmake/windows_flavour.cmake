# The Windows flavours: the installer program, its payload and resources, and the platform
# contract tests (run under Wine in the 64-bit flavour).
enable_language(RC)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(VK_EXE_NAME VornKessaSetup64)
else()
  set(VK_EXE_NAME VornKessaSetup)
endif()

set(VK_PAYLOAD_X32 "" CACHE FILEPATH "A maker's own 32-bit plug-in file (default: the sample)")
set(VK_PAYLOAD_X64 "" CACHE FILEPATH "A maker's own 64-bit plug-in file (default: the sample)")

# The sample plug-in, built for both architectures whatever this flavour's own is: every
# installer carries both payloads.
set(VK_PAYLOAD_DIR ${CMAKE_BINARY_DIR}/payload)
foreach(arch x32 x64)
  if(arch STREQUAL x32)
    set(cc i686-w64-mingw32-gcc)
    set(given "${VK_PAYLOAD_X32}")
  else()
    set(cc x86_64-w64-mingw32-gcc)
    set(given "${VK_PAYLOAD_X64}")
  endif()
  if(given)
    set(VK_PAYLOAD_FILE_${arch} ${given})
  else()
    set(out ${VK_PAYLOAD_DIR}/sample-${arch}.8bf)
    add_custom_command(OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${VK_PAYLOAD_DIR}
      COMMAND ${cc} -Os -s -shared -static-libgcc -Wall -o ${out}
              ${CMAKE_SOURCE_DIR}/plugin/sample_plugin.c
      DEPENDS ${CMAKE_SOURCE_DIR}/plugin/sample_plugin.c
      COMMENT "Sample plug-in (${arch})")
    set(VK_PAYLOAD_FILE_${arch} ${out})
  endif()
endforeach()
configure_file(${CMAKE_SOURCE_DIR}/resources/payload.rc.in ${CMAKE_BINARY_DIR}/payload.rc @ONLY)
file(WRITE ${CMAKE_BINARY_DIR}/payload-files.txt
     "${VK_PAYLOAD_FILE_x32}\n${VK_PAYLOAD_FILE_x64}\n")

# The art generator is a host program: built with the machine's own compiler and run here.
find_program(VK_HOST_CXX NAMES g++ c++ REQUIRED)
set(VK_ART_DIR ${CMAKE_BINARY_DIR}/art)
set(VK_ART_FILES background.bmp close.bmp install.bmp finish.bmp badge32.bmp badge64.bmp
    complete.bmp selector.bmp link-image.bin link-group.bin main.ico)
list(TRANSFORM VK_ART_FILES PREPEND ${VK_ART_DIR}/)
file(GLOB VK_ARTGEN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/artgen/*.cpp)
add_custom_command(OUTPUT ${VK_ART_FILES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VK_ART_DIR}
  COMMAND ${VK_HOST_CXX} -std=c++17 -O2 -Wall -o ${CMAKE_BINARY_DIR}/artgen ${VK_ARTGEN_SOURCES}
  COMMAND ${CMAKE_BINARY_DIR}/artgen ${VK_ART_DIR}
  DEPENDS ${VK_ARTGEN_SOURCES}
  COMMENT "Generating the skin")

set(VK_RC ${CMAKE_SOURCE_DIR}/resources/main.rc)
set_source_files_properties(${VK_RC} PROPERTIES OBJECT_DEPENDS
  "${VK_ART_FILES};${VK_PAYLOAD_FILE_x32};${VK_PAYLOAD_FILE_x64};${CMAKE_BINARY_DIR}/payload.rc;${CMAKE_SOURCE_DIR}/resources/manifest.xml")

# The installer: small and self-contained. No exceptions, no RTTI, no unwind tables, the C++
# library's allocation replaced by our own, everything linked statically and stripped.
set(VK_SMALL_FLAGS -Os -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
    -fno-unwind-tables -fno-threadsafe-statics -ffunction-sections -fdata-sections
    -Wall -Wextra)
add_executable(${VK_EXE_NAME} WIN32
  ${VK_CORE_SOURCES} ${VK_PLATFORM_WIN32_SOURCES}
  ${CMAKE_SOURCE_DIR}/platform/win32/winmain.cpp
  ${CMAKE_SOURCE_DIR}/platform/win32/runtime_win32.cpp
  ${VK_RC})
target_include_directories(${VK_EXE_NAME} PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(${VK_EXE_NAME} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${VK_SMALL_FLAGS}>)
target_compile_options(${VK_EXE_NAME} PRIVATE $<$<COMPILE_LANGUAGE:RC>:-I${VK_ART_DIR} -I${CMAKE_BINARY_DIR} -I${CMAKE_SOURCE_DIR}/resources>)
target_link_options(${VK_EXE_NAME} PRIVATE -static -s -Wl,--gc-sections -Wl,--no-insert-timestamp)
set_target_properties(${VK_EXE_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VK_DIST_DIR})

# Test programs of the Windows flavours: platform contract tests (run under Wine in the 64-bit
# flavour), the end-to-end probe and scenarios, and Windows-side benchmarks.
include(${CMAKE_SOURCE_DIR}/tests/contract/windows_contract.cmake OPTIONAL)
include(${CMAKE_SOURCE_DIR}/tests/e2e/e2e_tests.cmake OPTIONAL)
include(${CMAKE_SOURCE_DIR}/bench/windows_bench.cmake OPTIONAL)
