# Lays out the folder the Windows installer installs, as windeployqt would, and the
# lists of its files for the installer (cmake -P, from tollmark_installer):
#
#   DEST/bin/            the PROGRAMS, the DLLs they and the PLUGINS load (found by walking
#                        the import tables with OBJDUMP through QT_DIR/bin and the
#                        RUNTIME_DIRS: exactly those, none more), the plugins in their
#                        folders (bin/platforms/qwindows.dll, ...)
#   DEST/share/tollmark/ the DATA (sample quarter, tables, interest rates, file icon)
#   DEST/doc/            the DOCS (licences), DEST/doc/help/ the HELP pages
#   DEST/files.nsh       the installer's File lines, DEST/uninstall.nsh its Delete and
#                        RMDir lines, DEST/files.txt every file, one a line
cmake_minimum_required(VERSION 3.22)

foreach(var DEST QT_DIR OBJDUMP PROGRAMS PLUGINS RUNTIME_DIRS DATA HELP DOCS)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "windows-deploy: ${var} is not set")
    endif()
    # Lists come joined with '|'.
    string(REPLACE "|" ";" ${var} "${${var}}")
endforeach()

file(REMOVE_RECURSE "${DEST}")
set(files) # paths under DEST

# copy_into(FOLDER FILE...): the files into DEST/FOLDER, each noted in `files`.
macro(copy_into folder)
    file(MAKE_DIRECTORY "${DEST}/${folder}")
    foreach(source ${ARGN})
        get_filename_component(leaf "${source}" NAME)
        file(COPY_FILE "${source}" "${DEST}/${folder}/${leaf}")
        list(APPEND files "${folder}/${leaf}")
    endforeach()
endmacro()

set(plugin_files)
foreach(plugin ${PLUGINS})
    list(APPEND plugin_files "${QT_DIR}/plugins/${plugin}")
endforeach()

set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM "windows+pe")
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND "${OBJDUMP}")
file(GET_RUNTIME_DEPENDENCIES
    EXECUTABLES ${PROGRAMS}
    MODULES ${plugin_files}
    DIRECTORIES "${QT_DIR}/bin" ${RUNTIME_DIRS}
    PRE_EXCLUDE_REGEXES "^api-ms-" "^ext-ms-"
    RESOLVED_DEPENDENCIES_VAR dlls
    UNRESOLVED_DEPENDENCIES_VAR system_dlls)

# What is not found beside Qt or the MinGW runtime must be Windows' own.
foreach(dll ${system_dlls})
    if(dll MATCHES "^(Qt6|lib|zlib|icu)")
        message(FATAL_ERROR "windows-deploy: ${dll} is needed and was not found")
    endif()
endforeach()

copy_into(bin ${PROGRAMS} ${dlls})
foreach(plugin ${PLUGINS})
    get_filename_component(folder "${plugin}" DIRECTORY)
    copy_into("bin/${folder}" "${QT_DIR}/plugins/${plugin}")
endforeach()
copy_into(share/tollmark ${DATA})
copy_into(doc ${DOCS})
copy_into(doc/help ${HELP})

# The installer's lists: File lines grouped by folder, the uninstaller's Delete lines and
# then each folder, deepest first, removed when empty.
list(SORT files)
set(install_lines)
set(delete_lines)
set(folders)
set(current "")
foreach(f ${files})
    get_filename_component(folder "${f}" DIRECTORY)
    string(REPLACE "/" "\\" windows_folder "${folder}")
    string(REPLACE "/" "\\" windows_file "${f}")
    if(NOT folder STREQUAL current)
        string(APPEND install_lines "SetOutPath \"$INSTDIR\\${windows_folder}\"\n")
        set(current "${folder}")
        while(folder AND NOT folder IN_LIST folders)
            list(APPEND folders "${folder}")
            get_filename_component(folder "${folder}" DIRECTORY)
        endwhile()
    endif()
    string(APPEND install_lines "File \"${DEST}/${f}\"\n")
    string(APPEND delete_lines "Delete \"$INSTDIR\\${windows_file}\"\n")
endforeach()
list(SORT folders ORDER DESCENDING)
foreach(folder ${folders})
    string(REPLACE "/" "\\" windows_folder "${folder}")
    string(APPEND delete_lines "RMDir \"$INSTDIR\\${windows_folder}\"\n")
endforeach()

file(WRITE "${DEST}/files.nsh" "${install_lines}")
file(WRITE "${DEST}/uninstall.nsh" "${delete_lines}")
list(JOIN files "\n" listing)
file(WRITE "${DEST}/files.txt" "${listing}\n")
list(LENGTH files count)
message(STATUS "windows-deploy: ${count} files in ${DEST}")
