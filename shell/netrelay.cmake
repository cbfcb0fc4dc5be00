# Network watchdog, ICMP probe and command relay; included from shell/CMakeLists.txt.
add_library(zelvo_shell_netrelay_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/IcmpPacket.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MailboxRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProbeClock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProbePacer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RelayTargets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Watchdog.cpp)
target_include_directories(zelvo_shell_netrelay_core PUBLIC ${PROJECT_SOURCE_DIR})
# The watchdog's message texts and the engine's port come from the control link's texts.
target_link_libraries(zelvo_shell_netrelay_core PUBLIC zelvo_shell_core)

if(WIN32)
  add_library(zelvo_shell_netrelay_win STATIC
    ${CMAKE_CURRENT_LIST_DIR}/IcmpProbe.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Mailbox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RelayWindows.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WatchdogThread.cpp)
  target_link_libraries(zelvo_shell_netrelay_win PUBLIC zelvo_shell_netrelay_core zelvo_platform ws2_32 user32)
endif()
