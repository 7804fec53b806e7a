# Static checks of the built installer programs (LABELS static): a PE reader of our own reads
# both programs and compares their headers, imports and resources with the product's catalogue.
# The programs come from the Windows flavours; a missing one fails the checks.
set(VK_STATIC_EXE_X32 ${CMAKE_SOURCE_DIR}/dist/VornKessaSetup.exe CACHE FILEPATH
    "The 32-bit installer program the static checks read")
set(VK_STATIC_EXE_X64 ${CMAKE_SOURCE_DIR}/dist/VornKessaSetup64.exe CACHE FILEPATH
    "The 64-bit installer program the static checks read")
set(VK_STATIC_PAYLOAD_LIST_X32 ${CMAKE_SOURCE_DIR}/build/win32/payload-files.txt CACHE FILEPATH
    "The payload files the 32-bit program's build embedded")
set(VK_STATIC_PAYLOAD_LIST_X64 ${CMAKE_SOURCE_DIR}/build/win64/payload-files.txt CACHE FILEPATH
    "The payload files the 64-bit program's build embedded")

set(VK_STATIC_DIR ${CMAKE_CURRENT_LIST_DIR})
add_library(vk_pe_reader STATIC
  ${VK_STATIC_DIR}/byte_reader.cpp
  ${VK_STATIC_DIR}/pe_image.cpp
  ${VK_STATIC_DIR}/resource_formats.cpp
  ${VK_STATIC_DIR}/manifest_elements.cpp
  ${VK_STATIC_DIR}/catalogue_checks.cpp)
target_include_directories(vk_pe_reader PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(vk_pe_reader PUBLIC ${VK_SANITIZER_FLAGS} PRIVATE ${VK_HOST_WARNINGS})
target_link_options(vk_pe_reader PUBLIC ${VK_SANITIZER_FLAGS})

set(VK_STATIC_PATHS
  VK_STATIC_EXE_X32="${VK_STATIC_EXE_X32}" VK_STATIC_EXE_X64="${VK_STATIC_EXE_X64}"
  VK_STATIC_PAYLOAD_LIST_X32="${VK_STATIC_PAYLOAD_LIST_X32}"
  VK_STATIC_PAYLOAD_LIST_X64="${VK_STATIC_PAYLOAD_LIST_X64}")

# The checks of the two programs, and the proof that the checks catch a changed field.
foreach(name static_exe_test checker_fault_test)
  add_executable(${name} ${VK_STATIC_DIR}/${name}.cpp)
  target_link_libraries(${name} PRIVATE vk_pe_reader GTest::gtest_main GTest::gmock)
  target_compile_options(${name} PRIVATE ${VK_HOST_WARNINGS})
  target_compile_definitions(${name} PRIVATE ${VK_STATIC_PATHS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS static)
endforeach()

# The size figures of both programs, printed by the test run (ctest -V -L static).
add_executable(exe_size_report ${VK_STATIC_DIR}/exe_size_report.cpp)
target_link_libraries(exe_size_report PRIVATE vk_pe_reader)
add_test(NAME exe_size_report COMMAND exe_size_report ${VK_STATIC_EXE_X32} ${VK_STATIC_EXE_X64})
set_tests_properties(exe_size_report PROPERTIES LABELS static)
