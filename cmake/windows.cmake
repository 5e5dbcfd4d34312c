# Windows build (MinGW-w64): the programs, the Win32 adapters and their tests under Wine.
add_link_options(-static -static-libgcc -static-libstdc++)
enable_language(RC)

file(GLOB_RECURSE WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*/win32/*.cpp
     ${CMAKE_SOURCE_DIR}/src/dialogs/*/win32/*.cpp ${CMAKE_SOURCE_DIR}/src/winui/*.cpp)
list(FILTER WIN32_SOURCES EXCLUDE REGEX "/(app/win32/main|companion/win32/tray_main)\\.cpp$")
add_library(orvane_win32 STATIC ${WIN32_SOURCES})
target_link_libraries(orvane_win32 PUBLIC orvane_core)
target_compile_definitions(orvane_win32 PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_libraries(orvane_win32 PUBLIC comctl32 gdi32 user32 advapi32 shell32 comdlg32 winspool)
# The Windows headers weigh about a second per file.
set(ORVANE_WIN32_PCH <windows.h> <commctrl.h> ${ORVANE_STD_PCH})
orvane_precompile(orvane_win32 ${ORVANE_WIN32_PCH})

# The program's resources (images, icon, version, manifest). A static library would drop them,
# so each executable that needs them lists this file among its sources.
set(ORVANE_RESOURCES ${CMAKE_SOURCE_DIR}/src/res/orvane.rc)

# GoogleTest from Debian's source package, built for Windows.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Its one big file takes 17 s to compile optimised with debugging information, 7 s without;
# the tests do not wait on its speed.
target_compile_options(gtest PRIVATE -O0 -g0)

# Small programs the Windows tests start: a process with a known window and threads.
add_executable(test_window tests/win/helper/test_window.cpp)
target_compile_definitions(test_window PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(test_window PRIVATE user32 gdi32)
# The same helper under another file name: a different executable with the same window.
add_executable(test_window_other tests/win/helper/test_window.cpp)
target_compile_definitions(test_window_other PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(test_window_other PRIVATE user32 gdi32)

# Two copies of a DLL that does nothing, planted beside the tests for the DLL search test.
foreach(planted planted_before planted_after)
  add_library(${planted} SHARED tests/win/helper/planted.cpp)
  set_target_properties(${planted} PROPERTIES PREFIX "")
endforeach()

file(GLOB_RECURSE WIN_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*_test.cpp
     ${CMAKE_SOURCE_DIR}/tests/win/support/*.cpp)
add_executable(win_tests ${WIN_TEST_SOURCES} ${ORVANE_RESOURCES})
target_include_directories(win_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(win_tests PRIVATE orvane_win32 gtest gtest_main)
orvane_precompile(win_tests <gtest/gtest.h> ${ORVANE_WIN32_PCH})
orvane_test_code(win_tests)
add_dependencies(win_tests test_window planted_before planted_after)

# Each ctest entry of this build runs in a Wine session of its own (scripts/lib/wine-test): a
# fresh prefix, a virtual display and a private copy of the test folder. Entries share no
# registry, instance mutex, window or data file, so `ctest -j` runs them side by side.
set(WINE_TEST ${CMAKE_SOURCE_DIR}/scripts/lib/wine-test)
function(add_wine_test name target timeout)
  add_test(NAME ${name} COMMAND ${WINE_TEST} $<TARGET_FILE:${target}> ${ARGN})
  set_tests_properties(${name} PROPERTIES TIMEOUT ${timeout})
endfunction()

# A test program's suites by groups, the slowest first, each group a ctest entry of its own
# (TARGET.GROUP, the suites listed in TARGET_GROUP) that shows by name with its own time; a suite
# in no group runs in TARGET.other.
function(add_wine_test_groups target timeout)
  set(grouped)
  foreach(group ${ARGN})
    list(TRANSFORM ${target}_${group} APPEND ".*" OUTPUT_VARIABLE suites)
    list(APPEND grouped ${suites})
    list(JOIN suites ":" filter)
    add_wine_test(${target}.${group} ${target} ${timeout} --gtest_filter=${filter})
  endforeach()
  list(JOIN grouped ":" filter)
  add_wine_test(${target}.other ${target} ${timeout} --gtest_filter=-${filter})
endfunction()

set(win_tests_main_window MainFormTest MainFormCommands Docking PaletteGlyphs ChangesWin
                           HighlightWin)
set(win_tests_tray TrayWinTest HelpDocumentTest)
set(win_tests_dialogs DialogsTest Files StartDlgWin StartAboutTest AutorunWin AutorunMainForm
                      PerformanceDlgWin DialogKeys)
set(win_tests_snapshot SnapshotWin RegistryWin LocaleWin SnapshotWindowsWin NtQuerySourceWin
                       HostileObjects ProcessFiguresWin)
set(win_tests_winui TextBuffer RichTextTest ResourcesTest LayoutTest EdgeTest DllSearch
                    ControlsTest TreeViewControlTest ListViewControlTest)
set(win_tests_commands CommandsWin MessageBoxesWin ProgramStarterWin WindowToolsWin
                       WindowToolsAdapterWin)
# At 150% display scale (the session's LogPixels 144).
set(win_tests_dpi DisplayScaleWin)
if(ORVANE_RUN_TESTS)
  add_wine_test_groups(win_tests 300 main_window tray dialogs snapshot winui commands dpi)
  set_tests_properties(win_tests.dpi PROPERTIES ENVIRONMENT ORVANE_WINE_DPI=144)
  # The companion's tests bring the main window forward from its process and time the window's
  # answers while companions come and go: with the windows unmanaged, under load, the window
  # went unanswered for 5 s or did not come forward in three runs out of five (none out of four
  # with Wine's managed windows). Managed windows, as before, at twice the time.
  set_tests_properties(win_tests.tray PROPERTIES ENVIRONMENT ORVANE_WINE_MANAGED=1)
endif()

# The built program started as separate processes: single instance and foreground.
add_executable(e2e_tests tests/e2e/e2e_tests.cpp tests/e2e/cmd_line_tests.cpp
               tests/win/support/test_process.cpp)
target_include_directories(e2e_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_compile_definitions(e2e_tests PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(e2e_tests PRIVATE gtest gtest_main user32 advapi32)
orvane_test_code(e2e_tests)
add_dependencies(e2e_tests orvn2k test_window test_window_other)
set(e2e_tests_cmd_line CmdLine)
set(e2e_tests_single_instance SingleInstance FormResize)
if(ORVANE_RUN_TESTS)
  add_wine_test_groups(e2e_tests 300 cmd_line single_instance)
  # Their checks of the foreground failed two runs in fifteen beside the other entries with the
  # windows unmanaged (none in eleven managed): Wine's managed windows, as before.
  set_tests_properties(e2e_tests.cmd_line e2e_tests.single_instance e2e_tests.other
                       PROPERTIES ENVIRONMENT ORVANE_WINE_MANAGED=1)
endif()

# Prints the log and the report of the running program (scripts/print-check runs it).
add_executable(print_driver tests/e2e/print_driver.cpp tests/e2e/drive.cpp
               tests/win/support/test_process.cpp)
target_include_directories(print_driver PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_compile_definitions(print_driver PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(print_driver PRIVATE orvane_core user32)
orvane_test_code(print_driver)
add_dependencies(print_driver orvn2k test_window)

# The benchmarks (scripts/bench; bench/README.md). The tests run each once with a tiny workload,
# so that none stops working unnoticed.
# Whole-cycle figures against the real services.
add_executable(cycle_bench bench/win/cycle_bench.cpp)
target_link_libraries(cycle_bench PRIVATE orvane_win32)

# The GUI thread's time per cycle with the real main window and a synthetic computer.
add_executable(gui_bench bench/win/gui_bench.cpp ${ORVANE_RESOURCES})
target_link_libraries(gui_bench PRIVATE orvane_win32)

# Starts the helper load and steers the running program for scripts/load.
add_executable(load_control bench/win/load_control.cpp tests/e2e/drive.cpp
               tests/win/support/test_process.cpp)
target_include_directories(load_control PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(load_control PRIVATE orvane_win32)
add_dependencies(load_control test_window)

# The event log's cost per cycle on the GUI thread.
add_executable(log_bench bench/win/log_bench.cpp)
target_link_libraries(log_bench PRIVATE orvane_win32 psapi)

if(ORVANE_RUN_TESTS)
  add_wine_test(bench.gui gui_bench 120 2)
  add_wine_test(bench.log log_bench 120 2 1000)
  add_wine_test(bench.cycle cycle_bench 120 1)
  add_test(NAME bench.load COMMAND ${CMAKE_SOURCE_DIR}/scripts/load -n 2 -t 2 -s 1 -w 1 -c 1)
  set_tests_properties(bench.load PROPERTIES TIMEOUT 180
                                             ENVIRONMENT BUILD=${CMAKE_BINARY_DIR})
  # The longest entries first while ctest has no times of its own (a fresh build).
  set_tests_properties(win_tests.main_window e2e_tests.cmd_line e2e_tests.single_instance
                       PROPERTIES COST 30)
  set_tests_properties(win_tests.tray win_tests.snapshot bench.load PROPERTIES COST 15)
endif()

# The program.
add_executable(orvn2k WIN32 src/app/win32/main.cpp ${ORVANE_RESOURCES})
target_link_libraries(orvn2k PRIVATE orvane_win32)

# Prints numbered lines from a rich-text box; scripts/print-check runs it against a real
# printer queue (not one of the tests).
add_executable(print_probe tests/win/print/print_probe.cpp)
target_link_libraries(print_probe PRIVATE orvane_win32)

# The soak: a churn generator and the driver that runs the program against it (scripts/soak).
add_executable(churn WIN32 tests/soak/churn.cpp)
target_link_libraries(churn PRIVATE user32 gdi32)
add_executable(soak_driver tests/soak/soak_driver.cpp tests/e2e/drive.cpp
               tests/win/support/test_process.cpp)
target_include_directories(soak_driver PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_compile_definitions(soak_driver PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(soak_driver PRIVATE orvane_core user32 psapi comctl32)
add_dependencies(soak_driver orvn2k churn)

# The tray companion, shipped beside the program.
add_executable(tray WIN32 src/companion/win32/tray_main.cpp src/companion/win32/tray.rc)
target_link_libraries(tray PRIVATE orvane_win32)

# The help document and its pictures, beside the program as "help\index.html".
add_custom_target(help_files ALL
                  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/help
                          ${CMAKE_BINARY_DIR}/help)
add_dependencies(orvn2k tray help_files)
add_dependencies(win_tests tray help_files)
