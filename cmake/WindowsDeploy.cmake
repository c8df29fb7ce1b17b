# What a Windows user needs beside hddcalc.exe, gathered by CMake itself: the Qt
# DLLs of the targets the program links, the MinGW runtime DLLs that the
# program and those read off its imports at install time, and the plugins Qt
# loads by name (the windows platform, the native style). Windows' own DLLs come
# with Windows and stay out.
get_target_property(HDDCALC_QT_CORE_DLL ${QT}::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(HDDCALC_QT_BIN_DIR "${HDDCALC_QT_CORE_DLL}" DIRECTORY)
set(HDDCALC_RUNTIME_DIRS "${HDDCALC_QT_BIN_DIR}")
set(runtime_files "")
foreach(runtime libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
        OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(found "${found}" REALPATH)
    get_filename_component(found_dir "${found}" DIRECTORY)
    list(APPEND HDDCALC_RUNTIME_DIRS "${found_dir}")
    list(APPEND runtime_files "${found}")
endforeach()
list(REMOVE_DUPLICATES HDDCALC_RUNTIME_DIRS)

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

# The program's licence, and the notices of what others made, each taken whole
# from the Debian package it comes from: Qt's LGPL 3 and the GPL 3 that it
# supplements, with Debian's copyright file of Qt's source package (kept beside
# the Qt that scripts/build-qt-windows built), and the copyright files of the
# packages that hold the MinGW runtime DLLs.
get_filename_component(qt_prefix "${HDDCALC_QT_BIN_DIR}" DIRECTORY)
set(qt_licenses "${qt_prefix}/licenses")
if(NOT EXISTS "${qt_licenses}/LICENSE.LGPL3")
    message(FATAL_ERROR "The Qt in ${qt_prefix} carries no licences; scripts/build-qt-windows builds one that does")
endif()
file(STRINGS "${qt_licenses}/source" qt_source)
set(notices "hddcalc for Windows: third-party notices

hddcalc is free software under the MIT licence, in LICENSE.txt. Beside it, this
folder holds parts that others made, each under its own licence:

- Qt ${${QT}Core_VERSION}: Qt5Core.dll, Qt5Gui.dll, Qt5Widgets.dll, platforms\\qwindows.dll and
  styles\\qwindowsvistastyle.dll, under the GNU Lesser General Public License
  version 3. They are built unchanged from Debian's source package
      ${qt_source}
  which Debian's archive keeps, and may be replaced by others of the same Qt
  version.
")
set(sections "Qt: the GNU Lesser General Public License version 3" "${qt_licenses}/LICENSE.LGPL3"
    "Qt: the GNU General Public License version 3, which the LGPL supplements" "${qt_licenses}/LICENSE.GPL3"
    "Qt: Debian's copyright file of ${qt_source}" "${qt_licenses}/copyright")
# The runtime DLLs by the Debian package they come from.
set(runtime_packages "")
foreach(runtime IN LISTS runtime_files)
    execute_process(COMMAND dpkg-query -S "${runtime}" OUTPUT_VARIABLE owner OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX REPLACE ":.*" "" owner "${owner}")
    get_filename_component(dll "${runtime}" NAME)
    list(APPEND runtime_packages ${owner})
    list(APPEND "dlls_${owner}" ${dll})
endforeach()
list(REMOVE_DUPLICATES runtime_packages)
foreach(owner IN LISTS runtime_packages)
    execute_process(COMMAND dpkg-query -W -f=\${Version} ${owner} OUTPUT_VARIABLE owner_version)
    list(JOIN "dlls_${owner}" ", " dlls)
    string(APPEND notices "- ${dlls}: MinGW-w64's compiler runtime, under the
  licences that the copyright file of Debian's package names:
      ${owner} ${owner_version}
")
    list(APPEND sections "${dlls}: Debian's copyright file of ${owner} ${owner_version}"
        "/usr/share/doc/${owner}/copyright")
endforeach()
string(APPEND notices "
Each licence follows, as the package it comes from has it.
")
set(rule "================================================================================")
while(sections)
    list(POP_FRONT sections title file)
    file(READ "${file}" text)
    string(APPEND notices "\n${rule}\n${title}\n${rule}\n\n${text}")
endwhile()
file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/THIRD-PARTY-NOTICES.txt" "${notices}")
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/THIRD-PARTY-NOTICES.txt" DESTINATION .)
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION . RENAME LICENSE.txt)

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
# One key whatever the version, so that a newer installer finds the older one,
# removes it, and leaves one entry.
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY hddcalc)
# The licence, to be accepted before installing.
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
configure_file(${CMAKE_CURRENT_LIST_DIR}/uninstall-entry.nsh.in uninstall-entry.nsh @ONLY)
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "!include ${CMAKE_CURRENT_BINARY_DIR}/uninstall-entry.nsh")

# The MinGW runtime DLLs come with their debug information (libstdc++ alone is
# 23 MB); stripped like the program when the package is made.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        file(GLOB runtime \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/lib*.dll\")
        execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \${runtime})
    endif()")
