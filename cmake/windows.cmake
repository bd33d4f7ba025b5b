# Tollmark for Windows: the parts of a cross-build with Qt for MinGW-w64
# (cmake/mingw-w64-qt.cmake) that only Windows has. Included from the top-level
# CMakeLists.txt before the sources; tollmark_windows_programs() is called after them.
#
#   - every test runs under Wine with Qt's DLLs, plugins and fonts it finds through the
#     environment (Wine passes only QT_ variables written with a WINE prefix);
#   - the programs get their version resource and icon, the window the GUI subsystem;
#   - tollmark_installer lays out build/windows/deploy as the installed folder is laid
#     out (the programs with exactly the DLLs and plugins they load, the data, help and
#     licences: cmake/windows-deploy.cmake) and makes tollmark-<version>-setup.exe from
#     it with NSIS (packaging/windows/tollmark.nsi).

set(TOLLMARK_WINDOWS_DIR "${CMAKE_BINARY_DIR}/windows")
set(TOLLMARK_MINGW_RUNTIME_DIRS /usr/lib/gcc/x86_64-w64-mingw32/12-posix
    /usr/x86_64-w64-mingw32/lib)
set(TOLLMARK_MINGW_RUNTIME libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
get_filename_component(TOLLMARK_QT_DIR "${Qt6_DIR}/../../.." ABSOLUTE)

# The Windows spelling of a path of this machine, as Wine shows it (drive Z:).
function(tollmark_wine_path out path)
    string(REPLACE "/" "\\" windows "Z:${path}")
    set(${out} "${windows}" PARENT_SCOPE)
endfunction()

# A test under Wine may change to a folder on drive C:, where /work/... names C:\work:
# the test data, the samples and tollmark-cli are named with their drive.
set(TOLLMARK_TEST_DRIVE "Z:")
set(TOLLMARK_TEST_DATA "Z:${TOLLMARK_TEST_DATA}")
set(TOLLMARK_SAMPLE_DATA "Z:${TOLLMARK_SAMPLE_DATA}")

# One folder of links to the Qt DLLs and the MinGW runtime, so WINEPATH names one folder
# (a ';' would split the test's environment list).
set(dlls "${TOLLMARK_WINDOWS_DIR}/dlls")
file(REMOVE_RECURSE "${dlls}")
file(MAKE_DIRECTORY "${dlls}")
file(GLOB qt_dlls "${TOLLMARK_QT_DIR}/bin/*.dll")
foreach(dll ${qt_dlls})
    get_filename_component(leaf "${dll}" NAME)
    file(CREATE_LINK "${dll}" "${dlls}/${leaf}" SYMBOLIC)
endforeach()
foreach(dll ${TOLLMARK_MINGW_RUNTIME})
    find_file(found_${dll} ${dll} PATHS ${TOLLMARK_MINGW_RUNTIME_DIRS} NO_DEFAULT_PATH
              NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    file(CREATE_LINK "${found_${dll}}" "${dlls}/${dll}" SYMBOLIC)
endforeach()

# The fonts the offscreen platform reads with FreeType: Liberation, whose letters are as
# wide as those of Arial, Times New Roman and Courier New, so the forms and listings are
# laid out as with the fonts Windows has; DejaVu Sans and Serif for what they lack. Not
# DejaVu's mathematical font: the first family of the folder, it would become the
# application's default font ("Sans Serif"), from which the printouts take their scale.
set(fonts "${TOLLMARK_WINDOWS_DIR}/fonts")
file(REMOVE_RECURSE "${fonts}")
file(GLOB font_files /usr/share/fonts/truetype/liberation2/*.ttf
     /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf
     /usr/share/fonts/truetype/dejavu/DejaVuSerif*.ttf)
if(NOT font_files)
    message(FATAL_ERROR "No Liberation or DejaVu fonts: run scripts/install-deps")
endif()
file(MAKE_DIRECTORY "${fonts}")
file(COPY ${font_files} DESTINATION "${fonts}")

# Qt's own French (its dialogs and buttons): a .qm is the same on every system, so
# Debian's (qt6-translations-l10n) serves. The program looks for it in "translations"
# beside itself: the test programs' folder for the suite, bin/ of the installation.
set(TOLLMARK_QT_FRENCH /usr/share/qt6/translations/qtbase_fr.qm)
if(NOT EXISTS "${TOLLMARK_QT_FRENCH}")
    message(FATAL_ERROR "No ${TOLLMARK_QT_FRENCH}: run scripts/install-deps")
endif()
foreach(folder tests src)
    file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/${folder}/translations")
    file(COPY "${TOLLMARK_QT_FRENCH}" DESTINATION "${CMAKE_BINARY_DIR}/${folder}/translations")
endforeach()

tollmark_wine_path(wine_dlls "${dlls}")
tollmark_wine_path(wine_plugins "${TOLLMARK_QT_DIR}/plugins")
tollmark_wine_path(wine_fonts "${fonts}")
set(TOLLMARK_WINE_QT_ENV "WINEPATH=${wine_dlls}" "WINEQT_PLUGIN_PATH=${wine_plugins}"
    "WINEQT_QPA_PLATFORM=offscreen" "WINEQT_QPA_FONTDIR=${wine_fonts}")

# Called by tests/ for each test run under Wine. The window's test programs keep their
# settings where the program does, in the registry of the (shared) Wine prefix: they take
# turns with it.
function(tollmark_windows_test test)
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT ${TOLLMARK_WINE_QT_ENV})
    if(test MATCHES "^test_(app|views|dialogs|print)(_|$)")
        set_property(TEST ${test} APPEND PROPERTY RESOURCE_LOCK wine_registry)
    endif()
endfunction()

# The version resource and icon of a program.
function(tollmark_version_resource target description)
    set(TOLLMARK_RC_NAME ${target})
    set(TOLLMARK_RC_DESCRIPTION "${description}")
    set(TOLLMARK_RC_ICONS "${CMAKE_SOURCE_DIR}/packaging/windows")
    configure_file("${CMAKE_SOURCE_DIR}/packaging/windows/version.rc.in"
                   "${TOLLMARK_WINDOWS_DIR}/${target}.rc" @ONLY)
    target_sources(${target} PRIVATE "${TOLLMARK_WINDOWS_DIR}/${target}.rc")
endfunction()

function(tollmark_windows_programs)
    enable_language(RC)
    tollmark_version_resource(tollmark "Tollmark - IFTA quarterly fuel-tax returns")
    tollmark_version_resource(tollmark-cli "Tollmark command line")
    # The window is a GUI program: no console opens beside it.
    set_target_properties(tollmark PROPERTIES WIN32_EXECUTABLE ON)

    set(version "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}")
    set(deploy "${TOLLMARK_WINDOWS_DIR}/deploy")
    # Plugins the programs load, none more: the Windows platform, its style, the
    # Schannel TLS backend the rate-chart download fetches https with.
    set(plugins platforms/qwindows.dll styles/qwindowsvistastyle.dll
        tls/qschannelbackend.dll)
    file(GLOB help_pages CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/resources/help/*.html")
    list(TRANSFORM TOLLMARK_SHIPPED_DATA PREPEND "${CMAKE_SOURCE_DIR}/data/"
         OUTPUT_VARIABLE data_files)
    find_program(TOLLMARK_OBJDUMP x86_64-w64-mingw32-objdump REQUIRED)
    find_program(TOLLMARK_MAKENSIS makensis REQUIRED)
    set(setup "${CMAKE_BINARY_DIR}/tollmark-${version}-setup.exe")
    set(TOLLMARK_SETUP_EXE "${setup}" PARENT_SCOPE)
    set(nsi "${CMAKE_SOURCE_DIR}/packaging/windows/tollmark.nsi")
    # Lists go to the deploy script joined with '|': a ';' would split the argument.
    list(APPEND data_files "${CMAKE_SOURCE_DIR}/packaging/windows/tollmark-document.ico")
    set(docs "${CMAKE_SOURCE_DIR}/LICENSE" "${CMAKE_SOURCE_DIR}/packaging/licences.txt")
    set(translations "${TOLLMARK_QT_FRENCH}")
    foreach(list plugins TOLLMARK_MINGW_RUNTIME_DIRS data_files help_pages docs translations)
        list(JOIN ${list} "|" ${list}_joined)
    endforeach()
    add_custom_command(OUTPUT "${setup}"
        COMMAND "${CMAKE_COMMAND}" "-DDEST=${deploy}" "-DQT_DIR=${TOLLMARK_QT_DIR}"
            "-DOBJDUMP=${TOLLMARK_OBJDUMP}"
            "-DPROGRAMS=$<TARGET_FILE:tollmark>|$<TARGET_FILE:tollmark-cli>"
            "-DPLUGINS=${plugins_joined}" "-DRUNTIME_DIRS=${TOLLMARK_MINGW_RUNTIME_DIRS_joined}"
            "-DDATA=${data_files_joined}" "-DHELP=${help_pages_joined}" "-DDOCS=${docs_joined}"
            "-DTRANSLATIONS=${translations_joined}"
            -P "${CMAKE_SOURCE_DIR}/cmake/windows-deploy.cmake"
        COMMAND "${TOLLMARK_MAKENSIS}" -V2 -NOCD "-DVERSION=${version}"
            "-DFILE_VERSION=${PROJECT_VERSION}" "-DDEPLOY=${deploy}" "-DOUTFILE=${setup}"
            "-DICONS=${CMAKE_SOURCE_DIR}/packaging/windows" "${nsi}"
        DEPENDS tollmark tollmark-cli "${nsi}" "${CMAKE_SOURCE_DIR}/cmake/windows-deploy.cmake"
            ${help_pages} ${data_files} ${translations}
        COMMENT "Laying out ${deploy} and making the installer ${setup}"
        VERBATIM)
    add_custom_target(tollmark_installer ALL DEPENDS "${setup}")

    # The tests' own loopback chart servers and socket options speak Winsock.
    foreach(target test_cli test_app test_net)
        if(TARGET ${target})
            target_link_libraries(${target} PRIVATE ws2_32)
        endif()
    endforeach()

    # The installer under Wine: install, the print verb against this machine's
    # tollmark-cli, registry, uninstall (scripts/windows-installer-check).
    if(TOLLMARK_REFERENCE_CLI)
        add_test(NAME windows_installer
                 COMMAND "${CMAKE_SOURCE_DIR}/scripts/windows-installer-check" "${setup}"
                         "${deploy}" "${TOLLMARK_REFERENCE_CLI}" "${CMAKE_SOURCE_DIR}"
                         "${CMAKE_BINARY_DIR}/installer-check")
        set_tests_properties(windows_installer PROPERTIES TIMEOUT 900)
    endif()
endfunction()
