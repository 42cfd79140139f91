# Windows: the program's icon and version resource, a GUI program without a
# console, the folder the installer takes (packaging/windows/deploy.sh) and
# the installer (packaging/windows/tolvena.nsi).
# Built here, the tests run under Wine.
if(CMAKE_CROSSCOMPILING)
    set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
endif()
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ICOTOOL icotool REQUIRED)
find_program(MAKENSIS makensis)

set(TOLVENA_WIN ${CMAKE_BINARY_DIR}/windows)
set(TOLVENA_ICO ${TOLVENA_WIN}/tolvena.ico)
set(svg ${CMAKE_SOURCE_DIR}/packaging/it.tolvena.Tolvena.svg)
set(small_pngs)
foreach(size 16 24 32 48 64 256)
    set(png ${TOLVENA_WIN}/icon-${size}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg}
        DEPENDS ${svg} VERBATIM)
    if(size EQUAL 256)
        set(large_png ${png})
    else()
        list(APPEND small_pngs ${png})
    endif()
endforeach()
# The largest picture is kept as PNG inside the icon, as Windows expects.
add_custom_command(OUTPUT ${TOLVENA_ICO}
    COMMAND ${ICOTOOL} -c -o ${TOLVENA_ICO} ${small_pngs} -r ${large_png}
    DEPENDS ${small_pngs} ${large_png} VERBATIM)
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/tolvena.rc.in ${TOLVENA_WIN}/tolvena.rc @ONLY)
set_source_files_properties(${TOLVENA_WIN}/tolvena.rc PROPERTIES OBJECT_DEPENDS ${TOLVENA_ICO})
target_sources(tolvena PRIVATE ${TOLVENA_WIN}/tolvena.rc)
set_target_properties(tolvena PROPERTIES WIN32_EXECUTABLE ON)
target_link_options(tolvena PRIVATE -s)
target_link_libraries(tolvena_core PUBLIC winmm ole32 sapi)
# Debian's rcc compresses with zstd, which this Qt cannot read back.
set_target_properties(tolvena_core PROPERTIES AUTORCC_OPTIONS --no-zstd)

# What the installer puts on disk, then the installer.
get_filename_component(TOLVENA_QT_DIR ${Qt6_DIR}/../../.. ABSOLUTE)
set(TOLVENA_STAGE ${TOLVENA_WIN}/stage)
set(TOLVENA_SETUP ${CMAKE_BINARY_DIR}/tolvena-${PROJECT_VERSION}-setup.exe)
add_custom_target(tolvena-stage
    COMMAND ${CMAKE_COMMAND} -E env OBJDUMP=${CMAKE_OBJDUMP} STRIP=${CMAKE_STRIP}
            ${CMAKE_SOURCE_DIR}/packaging/windows/deploy.sh ${TOLVENA_STAGE}
            $<TARGET_FILE:tolvena> ${TOLVENA_QT_DIR} ${CMAKE_SOURCE_DIR}
    DEPENDS tolvena VERBATIM)
if(MAKENSIS)
    add_custom_target(tolvena-installer
        COMMAND ${MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DSTAGE=${TOLVENA_STAGE}
                -DICON=${TOLVENA_ICO} -DOUTFILE=${TOLVENA_SETUP}
                ${CMAKE_SOURCE_DIR}/packaging/windows/tolvena.nsi
        BYPRODUCTS ${TOLVENA_SETUP} VERBATIM)
    add_dependencies(tolvena-installer tolvena-stage)
endif()
