# The target logic, without the libFuzzer entry point or the way a broken
# expectation is reported: the fuzzers and the corpus replay test share it.
set(HOOPDECK_FUZZ_TARGET_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/box_target.cpp
  ${CMAKE_CURRENT_LIST_DIR}/download_check_target.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fuzz_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_time_target.cpp
  ${CMAKE_CURRENT_LIST_DIR}/line_reader_target.cpp
  ${CMAKE_CURRENT_LIST_DIR}/playoffs_target.cpp
  ${CMAKE_CURRENT_LIST_DIR}/roster_target.cpp
  ${CMAKE_CURRENT_LIST_DIR}/season_target.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_target.cpp
  ${CMAKE_CURRENT_LIST_DIR}/standings_target.cpp
)
