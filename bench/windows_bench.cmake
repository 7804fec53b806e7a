# Windows-side benchmarks: discovery on the real registry, run in the 64-bit flavour under Wine
# with `cmake --build <dir> --target run_wine_discovery_bench`. The bench keeps its own Wine
# prefix in the build folder, so its large tree stays out of the test prefixes.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  add_library(vk_bench_core STATIC EXCLUDE_FROM_ALL ${VK_CORE_SOURCES} ${VK_PLATFORM_WIN32_SOURCES})
  target_include_directories(vk_bench_core PUBLIC ${CMAKE_SOURCE_DIR})
  target_compile_options(vk_bench_core PRIVATE -O2)

  add_executable(wine_discovery_bench EXCLUDE_FROM_ALL
    ${CMAKE_SOURCE_DIR}/bench/wine_discovery_bench.cpp
    ${CMAKE_SOURCE_DIR}/bench/vendor_tree.cpp
    ${CMAKE_SOURCE_DIR}/bench/floor_walk.cpp)
  target_link_libraries(wine_discovery_bench PRIVATE vk_bench_core)
  target_compile_options(wine_discovery_bench PRIVATE -O2 -Wall -Wextra)
  target_link_options(wine_discovery_bench PRIVATE -static)

  add_custom_target(run_wine_discovery_bench
    COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${CMAKE_BINARY_DIR}/bench-wineprefix
            ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:wine_discovery_bench> 3 --reopening
    DEPENDS wine_discovery_bench
    USES_TERMINAL)
endif()
