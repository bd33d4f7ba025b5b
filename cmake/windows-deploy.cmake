# Lays out the folder the Windows installer installs, as windeployqt would, and the
# lists of its files for the installer (cmake -P, from tollmark_installer):
#
#   DEST/bin/            the PROGRAMS, the DLLs they and the PLUGINS load (found by walking
#                        the import tables with OBJDUMP through QT_DIR/bin and the
#                        RUNTIME_DIRS: exactly those, none more), the plugins in their
#                        folders (bin/platforms/qwindows.dll, ...)
#   DEST/share/tollmark/ the DATA (sample quarter, tables, interest rates, file icon)
#   DEST/bin/translations/ the TRANSLATIONS (Qt's own French; the program's catalogue
#                        is built into it)
#   DEST/doc/            the DOCS (licences), DEST/doc/help/ the HELP pages
#   DEST/files.nsh       the installer's File lines, DEST/uninstall.nsh its Delete and
#                        RMDir lines, DEST/files.txt every file, one a line
cmake_minimum_required(VERSION 3.22)

foreach(var DEST QT_DIR OBJDUMP PROGRAMS PLUGINS RUNTIME_DIRS DATA HELP DOCS TRANSLATIONS)
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

# The DLLs a set of Windows programs and plugins load, walked through their import tables
# (objdump -p) and looked for, without regard to case as Windows does, in the Qt and
# MinGW runtime folders; what is not there is Windows' own (KERNEL32, msvcrt, ...).
# CMake's file(GET_RUNTIME_DEPENDENCIES) is of no use here: it lowercases the names and
# so finds no Qt6Core.dll on a case-sensitive file system.
set(available)
foreach(folder "${QT_DIR}/bin" ${RUNTIME_DIRS})
    file(GLOB found "${folder}/*.dll")
    list(APPEND available ${found})
endforeach()
set(dlls)
set(pending ${PROGRAMS} ${plugin_files})
set(system_dlls)
while(pending)
    list(POP_FRONT pending binary)
    execute_process(COMMAND "${OBJDUMP}" -p "${binary}" OUTPUT_VARIABLE imports
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "windows-deploy: objdump cannot read ${binary}")
    endif()
    string(REGEX MATCHALL "DLL Name: [^\n]+" names "${imports}")
    foreach(line ${names})
        string(REGEX REPLACE "^DLL Name: " "" name "${line}")
        string(STRIP "${name}" name)
        string(TOLOWER "${name}" lower)
        set(resolved "")
        foreach(candidate ${available})
            get_filename_component(leaf "${candidate}" NAME)
            string(TOLOWER "${leaf}" leaf)
            if(leaf STREQUAL lower)
                set(resolved "${candidate}")
                break()
            endif()
        endforeach()
        if(resolved AND NOT resolved IN_LIST dlls)
            list(APPEND dlls "${resolved}")
            list(APPEND pending "${resolved}")
        elseif(NOT resolved AND NOT lower IN_LIST system_dlls)
            list(APPEND system_dlls "${lower}")
        endif()
    endforeach()
endwhile()

# What is not found beside Qt or the MinGW runtime must be Windows' own.
foreach(dll ${system_dlls})
    if(dll MATCHES "^(qt6|lib|zlib|icu)")
        message(FATAL_ERROR "windows-deploy: ${dll} is needed and was not found")
    endif()
endforeach()

copy_into(bin ${PROGRAMS} ${dlls})
foreach(plugin ${PLUGINS})
    get_filename_component(folder "${plugin}" DIRECTORY)
    copy_into("bin/${folder}" "${QT_DIR}/plugins/${plugin}")
endforeach()
copy_into(bin/translations ${TRANSLATIONS})
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
