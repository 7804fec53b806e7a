# The host flavour: the installer's logic over the in-memory platform, tested under ASan and
# UBSan; benchmarks and static checks of the built Windows programs.
find_package(GTest REQUIRED)
option(VK_SANITIZE "Build host tests with ASan and UBSan" ON)
set(VK_HOST_WARNINGS -Wall -Wextra -Werror=return-type)
if(VK_SANITIZE)
  set(VK_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined
      -fno-omit-frame-pointer)
endif()

add_library(vk_core STATIC ${VK_CORE_SOURCES} ${VK_PLATFORM_SIM_SOURCES})
target_include_directories(vk_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(vk_core PUBLIC ${VK_SANITIZER_FLAGS} PRIVATE ${VK_HOST_WARNINGS})
target_link_options(vk_core PUBLIC ${VK_SANITIZER_FLAGS})

add_subdirectory(tests)
if(EXISTS ${CMAKE_SOURCE_DIR}/bench/CMakeLists.txt)
  add_subdirectory(bench)
endif()
