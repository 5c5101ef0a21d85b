# The black-box tests run the program with the benchmarks' mark of the first paint on standard error.
qt_add_executable(numerella_osservato ${PROJECT_SOURCE_DIR}/src/main.cpp ${PROJECT_SOURCE_DIR}/bench/spiaprimodisegno.cpp)
set_target_properties(numerella_osservato PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_compile_definitions(numerella_osservato PRIVATE NUMERELLA_MISURA)
target_link_libraries(numerella_osservato PRIVATE numerella_screens numerella_app)
add_dependencies(tst_programmaguasto numerella_osservato numerella_data)
add_test(NAME percorsilibrerie COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/app/percorsilibrerie.sh
         $<TARGET_FILE:numerella> $<TARGET_FILE:numerella_voce> $<TARGET_FILE:numerella_pluginregistro>)
# A story file that breaks in the middle of a problem, played on the real screens with the real sounds.
target_link_libraries(tst_eserciziguasti PRIVATE numerella_screens numerella_suoniwav)
