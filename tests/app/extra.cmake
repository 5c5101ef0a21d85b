# Saves the settings in a loop until killed, for tst_impostazioni.
qt_add_executable(salvaciclo ${CMAKE_CURRENT_SOURCE_DIR}/app/salvaciclo.cpp)
set_target_properties(salvaciclo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_link_libraries(salvaciclo PRIVATE numerella_app)
add_dependencies(tst_impostazioni salvaciclo)
# The black-box tests run the program built from its own main, with a
# mark of the start screen's first paint on standard error.
qt_add_executable(numerella_osservato ${PROJECT_SOURCE_DIR}/src/main.cpp ${CMAKE_CURRENT_SOURCE_DIR}/app/spiaavvio.cpp)
set_target_properties(numerella_osservato PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_compile_definitions(numerella_osservato PRIVATE NUMERELLA_MISURA)
target_link_libraries(numerella_osservato PRIVATE numerella_screens numerella_app)
add_dependencies(tst_programmaguasto numerella_osservato numerella_data)
set_tests_properties(tst_programmaguasto PROPERTIES TIMEOUT 900)
