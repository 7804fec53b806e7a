# End-to-end scenarios: VornKessaSetup64.exe under Wine on a virtual display, driven and read by
# our probe. Only the 64-bit flavour runs here (this machine runs no 32-bit Windows programs).
if(NOT CMAKE_SIZEOF_VOID_P EQUAL 8)
  return()
endif()

# The probe is a console program built as ./probe.exe in the build folder, where tools/run.sh
# also looks for it.
add_executable(e2e_probe ${CMAKE_SOURCE_DIR}/tools/probe/probe.cpp)
target_compile_options(e2e_probe PRIVATE -Os -Wall -Wextra)
target_link_options(e2e_probe PRIVATE -static -s)
set_target_properties(e2e_probe PROPERTIES OUTPUT_NAME probe
                      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# Each scenario is a bash script: <script> <installer> <probe> <work folder>. Its Wine prefix,
# display and screenshots live under build/<flavour>/e2e/<scenario>/. The command is /bin/bash,
# not a target, so CTest runs it directly rather than through the Wine emulator.
set(VK_E2E_WORK_DIR ${CMAKE_BINARY_DIR}/e2e)
set(VK_E2E_SCRIPT_DIR ${CMAKE_CURRENT_LIST_DIR})
function(vk_e2e_scenario name script)
  add_test(NAME e2e_${name}
           COMMAND /bin/bash ${VK_E2E_SCRIPT_DIR}/${script}
                   $<TARGET_FILE:${VK_EXE_NAME}> $<TARGET_FILE:e2e_probe> ${VK_E2E_WORK_DIR})
  # The first run also creates the shared prefix template, which takes Wine a while.
  set_tests_properties(e2e_${name} PROPERTIES LABELS e2e TIMEOUT 300)
endfunction()

vk_e2e_scenario(startup startup_test.sh)
