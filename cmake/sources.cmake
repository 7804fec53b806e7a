# The installer's own code, the same in every flavour: plain C++ over the platform layer.
set(VK_CORE_SOURCES
  common/bounded_text.cpp
  discovery/registry_access.cpp
  discovery/kept_keys.cpp
  discovery/path_helpers.cpp
  discovery/diagnostic_log.cpp
  discovery/plugin_folder_list.cpp
  discovery/key_path_stack.cpp
  discovery/key_walker.cpp
  discovery/discovery_sequence.cpp
  shell/installer_state.cpp
  shell/entry.cpp
  shell/main_dialog.cpp
  toolkit/surface.cpp
  toolkit/element.cpp
)
list(TRANSFORM VK_CORE_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)

# The platform layer: the real Windows calls, or the in-memory stand-in for host tests.
set(VK_PLATFORM_WIN32_SOURCES
  platform/win32/process_win32.cpp
  platform/win32/module_win32.cpp
  platform/win32/resources_win32.cpp
  platform/win32/dialog_win32.cpp
  platform/win32/registry_win32.cpp
  platform/win32/system_win32.cpp
  platform/win32/files_win32.cpp
  platform/win32/text_win32.cpp
)
list(TRANSFORM VK_PLATFORM_WIN32_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)

set(VK_PLATFORM_SIM_SOURCES
  platform/sim/sim_state.cpp
  platform/sim/process_sim.cpp
  platform/sim/module_sim.cpp
  platform/sim/resources_sim.cpp
  platform/sim/dialog_sim.cpp
  platform/sim/registry_sim.cpp
  platform/sim/system_sim.cpp
  platform/sim/files_sim.cpp
  platform/sim/text_sim.cpp
)
list(TRANSFORM VK_PLATFORM_SIM_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)
