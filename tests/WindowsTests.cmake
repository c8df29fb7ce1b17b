# The suite as Windows programs under Wine: the tests on the offscreen platform,
# the window on the windows platform on an X display, the executable's make-up,
# and what a Windows user downloads.
find_program(HDDCALC_WINE wine64 PATHS /usr/lib/wine)
find_program(XVFB_RUN xvfb-run)
if(NOT HDDCALC_WINE OR NOT XVFB_RUN)
    message(FATAL_ERROR "The Windows tests need wine64 and xvfb-run")
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_SOURCE_DIR}/wine-run.sh)

list(JOIN HDDCALC_RUNTIME_DIRS ":" dll_dirs)
set(HDDCALC_WINE_ENVIRONMENT "HDDCALC_WINE=${HDDCALC_WINE}" "HDDCALC_DLL_DIRS=${dll_dirs}"
    "WINEPREFIX=${CMAKE_BINARY_DIR}/wine" "WINEDEBUG=-all")
# The offscreen platform on Windows reads fonts only from Qt's own folder (its
# Libraries path, fonts/): qt.conf beside the tests points it at Wine's fonts.
get_filename_component(qt_prefix "${HDDCALC_QT_BIN_DIR}" DIRECTORY)
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/qt-libraries)
file(CREATE_LINK /usr/share/wine/fonts ${CMAKE_CURRENT_BINARY_DIR}/qt-libraries/fonts SYMBOLIC)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/qt.conf
    "[Paths]\nPrefix=Z:${qt_prefix}\nLibraries=Z:${CMAKE_CURRENT_BINARY_DIR}/qt-libraries\n")

set(HDDCALC_X_DISPLAY ${XVFB_RUN} --auto-servernum "--server-args=-dpi 96 -screen 0 1024x768x24")

function(hddcalc_add_windows_tests)
    # Neither makes an application object to take a platform.
    set_property(TEST tst_storageestimate tst_catalogue APPEND PROPERTY ENVIRONMENT HDDCALC_WINE_PLATFORM=none)

    # The window's size and texts in Windows' default font: on the windows
    # platform, in Wine, on an X display.
    add_executable(tst_appearance tst_appearance.cpp)
    target_link_libraries(tst_appearance PRIVATE hddcalc_testsupport)
    add_test(NAME tst_appearance_wine_window COMMAND ${HDDCALC_X_DISPLAY}
        ${CMAKE_CURRENT_SOURCE_DIR}/wine-run.sh $<TARGET_FILE:tst_appearance>)
    set_tests_properties(tst_appearance_wine_window PROPERTIES ENVIRONMENT
        "${HDDCALC_WINE_ENVIRONMENT};HDDCALC_WINE_PLATFORM=windows")

    add_test(NAME windows_executable COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows-executable-check.sh
        $<TARGET_FILE:hddcalc> ${CMAKE_OBJDUMP} ${PROJECT_VERSION})

    # The real hddcalc.exe in its window, its screenshot, and "Close".
    add_test(NAME windows_window COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wine-window-check.sh
        $<TARGET_FILE:hddcalc> ${CMAKE_BINARY_DIR}/screenshot-windows.png)
    set_tests_properties(windows_window PROPERTIES ENVIRONMENT "${HDDCALC_WINE_ENVIRONMENT}")

    # It builds an older version from the same source, to upgrade from.
    get_filename_component(toolchain ${CMAKE_TOOLCHAIN_FILE} ABSOLUTE BASE_DIR ${PROJECT_SOURCE_DIR})
    add_test(NAME windows_package COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows-package-check.sh
        ${CMAKE_BINARY_DIR} ${CMAKE_OBJDUMP} ${PROJECT_SOURCE_DIR} ${toolchain} "${CMAKE_PREFIX_PATH}")
    set_tests_properties(windows_package PROPERTIES ENVIRONMENT "${HDDCALC_WINE_ENVIRONMENT};HDDCALC_DLL_DIRS="
        TIMEOUT 900 RUN_SERIAL ON)
endfunction()
