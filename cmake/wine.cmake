# Running Windows executables under Wine: one prefix inside the build folder, created once by a
# ctest fixture, and one ctest entry per test executable (each Wine process start costs ~1 s).
set(WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(TEST_BIN_DIR ${CMAKE_BINARY_DIR}/tests/bin)
# winedbg is switched off so a crashing test ends instead of waiting in the debugger.
set(WINE_TEST_ENV "WINEPREFIX=${WINE_PREFIX};WINEDEBUG=-all;WINEDLLOVERRIDES=mscoree,mshtml=\\;winedbg.exe=d")

# A Wine prefix is a desktop of its own. Tests that send synthetic input or depend on focus and
# activation run in a named desktop, one program at a time, so other test programs running at
# the same time neither steal their focus nor receive their input. Each desktop is a copy of the
# one booted prefix (wine_prefix_fixture, below).
function(wine_desktop name)
  get_property(known GLOBAL PROPERTY WINE_DESKTOPS)
  if(NOT name IN_LIST known)
    set_property(GLOBAL APPEND PROPERTY WINE_DESKTOPS ${name})
  endif()
endfunction()

function(wine_desktop_prefix name out)
  set(${out} ${CMAKE_BINARY_DIR}/wineprefix-${name} PARENT_SCOPE)
endfunction()

# The fixture every Wine test requires: boots the prefix once, copies it for each desktop named
# so far, and keeps a Wine server running for each. Called once, after every test is declared.
function(wine_prefix_fixture)
  get_property(desktops GLOBAL PROPERTY WINE_DESKTOPS)
  set(copies "")
  foreach(name IN LISTS desktops)
    list(APPEND copies ${CMAKE_BINARY_DIR}/wineprefix-${name})
  endforeach()
  add_test(NAME wine_prefix COMMAND ${PROJECT_SOURCE_DIR}/scripts/lib/wine-prefix.sh ${WINE_PREFIX} null ${copies})
  set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine LABELS kit TIMEOUT 300)
endfunction()

# add_wine_test(<target> LABEL <area> [<area> ...] SOURCES ... [LIBS ...] [SERIAL] [DESKTOP name]
#   [TIMEOUT s])
# Builds a GoogleTest executable into the tests' run folder and registers it with ctest under
# every label given.
function(add_wine_test target)
  cmake_parse_arguments(T "SERIAL" "TIMEOUT;DESKTOP" "LABEL;SOURCES;LIBS" ${ARGN})
  if(NOT T_LABEL)
    message(FATAL_ERROR "add_wine_test(${target}): LABEL is required")
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_executable(${target} ${T_SOURCES})
  target_link_libraries(${target} PRIVATE ${T_LIBS} gtest_main gtest)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TEST_BIN_DIR} SIMULATED_HIDAPI ON)
  add_dependencies(${target} test_runtime)
  add_test(NAME ${target} COMMAND ${PROJECT_SOURCE_DIR}/scripts/lib/wine-run.sh $<TARGET_FILE:${target}>
    WORKING_DIRECTORY ${TEST_BIN_DIR})
  set_tests_properties(${target} PROPERTIES LABELS "${T_LABEL}" ENVIRONMENT "${WINE_TEST_ENV}"
    FIXTURES_REQUIRED wine TIMEOUT ${T_TIMEOUT})
  if(T_DESKTOP)
    wine_desktop(${T_DESKTOP})
    string(REPLACE "WINEPREFIX=${WINE_PREFIX}" "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-${T_DESKTOP}" env "${WINE_TEST_ENV}")
    set_tests_properties(${target} PROPERTIES ENVIRONMENT "${env}" RESOURCE_LOCK desktop_${T_DESKTOP})
  elseif(T_SERIAL)
    # Tests that start the real program share its single-instance mutex.
    set_tests_properties(${target} PROPERTIES RESOURCE_LOCK program_instance)
  endif()
endfunction()
