# SPDX-License-Identifier: GPL-3.0-or-later
# lanternreel_add_test(NAME <name> KIND unit|widget|e2e|install (SOURCES <files...> | SCRIPT <file>)
#                      [LIBS <targets...>] [TIMEOUT <seconds>] [ENV <VAR=value...>]
#                      [WRAPPER <command...>])
#
# Builds one GoogleTest executable from SOURCES, or takes a shell SCRIPT, and registers it
# with CTest, with a timeout and the environment its kind needs:
#   unit    - no window system; QCoreApplication.
#   widget  - QApplication on the offscreen platform with one 1920x1080 screen.
#   e2e     - the real program under Xvfb; the test drives it itself.
#   install - a SCRIPT with no window system, given the program's path: what the build
#             installs and packages, and the program's command line.
# WRAPPER runs a GoogleTest executable inside another command (a private session bus, say).
# Every test gets its own settings folder, so nothing reads or writes the user's preferences.

find_package(GTest REQUIRED)

set(LANTERNREEL_OFFSCREEN_CONFIG ${PROJECT_SOURCE_DIR}/tests/support/offscreen-1920x1080.json)

function(lanternreel_add_test)
  cmake_parse_arguments(T "" "NAME;KIND;TIMEOUT;SCRIPT" "SOURCES;LIBS;ENV;WRAPPER" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  if(T_SCRIPT AND T_KIND STREQUAL "e2e")
    # A private X server with a window manager, around a script that drives the real program.
    add_test(NAME ${T_NAME}
      COMMAND xvfb-run -a -s "-screen 0 1280x800x24"
              bash ${PROJECT_SOURCE_DIR}/tests/e2e/run-with-wm.sh
              ${CMAKE_CURRENT_SOURCE_DIR}/${T_SCRIPT} $<TARGET_FILE:lanternreel>)
  elseif(T_SCRIPT)
    add_test(NAME ${T_NAME}
      COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/${T_SCRIPT} $<TARGET_FILE:lanternreel>)
  else()
    add_executable(${T_NAME} ${T_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/testmain.cpp)
    target_link_libraries(${T_NAME} PRIVATE lanternreel_test_support ${T_LIBS} GTest::gtest GTest::gmock)
    if(T_KIND STREQUAL "unit")
      target_compile_definitions(${T_NAME} PRIVATE LANTERNREEL_TEST_KIND_UNIT)
    endif()
    add_test(NAME ${T_NAME} COMMAND ${T_WRAPPER} $<TARGET_FILE:${T_NAME}>)
  endif()
  set(env
    "XDG_CONFIG_HOME=${CMAKE_CURRENT_BINARY_DIR}/${T_NAME}.config"
    "LANTERNREEL_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
    "LANTERNREEL_BINARY_DIR=${PROJECT_BINARY_DIR}"
    "LANTERNREEL_TESTDATA=${PROJECT_SOURCE_DIR}/../shared/testdata"
    "QT_ASSUME_STDERR_HAS_CONSOLE=1")
  if(T_KIND STREQUAL "widget" OR T_KIND STREQUAL "unit")
    list(APPEND env "QT_QPA_PLATFORM=offscreen:configfile=${LANTERNREEL_OFFSCREEN_CONFIG}")
  endif()
  list(APPEND env ${T_ENV})
  set_tests_properties(${T_NAME} PROPERTIES
    TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "${env}"
    LABELS ${T_KIND})
endfunction()
