# The installer, checked under Wine once scripts/windows.sh has made it: the
# DLLs it carries, a silent install and uninstall, the installed program.
add_test(NAME packaging_windows_installer
         COMMAND ${CMAKE_SOURCE_DIR}/tests/packaging/check_windows.sh ${TOLVENA_STAGE}
                 ${TOLVENA_SETUP} ${PROJECT_VERSION})
set_tests_properties(packaging_windows_installer PROPERTIES
    ENVIRONMENT "OBJDUMP=${CMAKE_OBJDUMP}" TIMEOUT 300)
