# What a Windows user needs beside hddcalc.exe, gathered by CMake itself: the Qt
# DLLs of the targets the program links, the MinGW runtime DLLs that the
# program and those read off its imports at install time, and the plugins Qt
# loads by name (the windows platform, the native style). Windows' own DLLs come
# with Windows and stay out.
get_target_property(HDDCALC_QT_CORE_DLL ${QT}::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(HDDCALC_QT_BIN_DIR "${HDDCALC_QT_CORE_DLL}" DIRECTORY)
set(HDDCALC_RUNTIME_DIRS "${HDDCALC_QT_BIN_DIR}")
foreach(runtime libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
        OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(found_dir "${found}" DIRECTORY)
    get_filename_component(found_dir "${found_dir}" REALPATH)
    list(APPEND HDDCALC_RUNTIME_DIRS "${found_dir}")
endforeach()

install(TARGETS hddcalc RUNTIME_DEPENDENCY_SET hddcalc_runtime RUNTIME DESTINATION .)
install(FILES $<TARGET_RUNTIME_DLLS:hddcalc> DESTINATION .)
# CMake reads the imported names in lower case, as Windows would.
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND ${CMAKE_OBJDUMP})
install(RUNTIME_DEPENDENCY_SET hddcalc_runtime DESTINATION .
    PRE_INCLUDE_REGEXES "^lib(gcc_s|stdc\\+\\+|winpthread)"
    PRE_EXCLUDE_REGEXES ".*"
    DIRECTORIES ${HDDCALC_RUNTIME_DIRS})

foreach(plugin ${QT}::QWindowsIntegrationPlugin ${QT}::QWindowsVistaStylePlugin)
    get_target_property(location ${plugin} IMPORTED_LOCATION_RELEASE)
    get_filename_component(kind "${location}" DIRECTORY)
    get_filename_component(kind "${kind}" NAME)
    install(FILES "${location}" DESTINATION ${kind})
endforeach()

# The installer and the portable ZIP. The program carries no icon, nor does the installer.
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_INSTALL_DIRECTORY hddcalc)
set(CPACK_NSIS_PACKAGE_NAME "HDD Calculator")
set(CPACK_NSIS_DISPLAY_NAME "HDD Calculator")
set(CPACK_NSIS_MENU_LINKS hddcalc.exe "HDD Calculator")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_PACKAGE_FILE_NAME hddcalc-${PROJECT_VERSION}-win64)
# A 64-bit installer for a 64-bit program, into "Program Files". The installed
# files take the time they are installed at, so the installer holds no time of
# the build. GetSize comes from FileFunc.nsh.
set(CPACK_NSIS_DEFINES "  Target amd64-unicode\n  SetDateSave off\n  !include FileFunc.nsh")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# "Apps & features": the program as the entry's icon (it has none, so Windows
# shows its default), and, written by uninstall-entry.nsh, where it is
# installed and how large it is.
set(CPACK_NSIS_INSTALLED_ICON_NAME hddcalc.exe)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "hddcalc ${PROJECT_VERSION}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/uninstall-entry.nsh.in uninstall-entry.nsh @ONLY)
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "!include ${CMAKE_CURRENT_BINARY_DIR}/uninstall-entry.nsh")

# The MinGW runtime DLLs come with their debug information (libstdc++ alone is
# 23 MB); stripped like the program when the package is made.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        file(GLOB runtime \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/lib*.dll\")
        execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \${runtime})
    endif()")
