# Saves the settings in a loop until killed, for tst_impostazioni.
qt_add_executable(salvaciclo ${CMAKE_CURRENT_SOURCE_DIR}/app/salvaciclo.cpp)
set_target_properties(salvaciclo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_link_libraries(salvaciclo PRIVATE numerella_app)
add_dependencies(tst_impostazioni salvaciclo)
# The black-box tests start the program itself, a few copies at a time.
add_dependencies(tst_programmaguasto numerella numerella_data)
set_tests_properties(tst_programmaguasto PROPERTIES TIMEOUT 900)
