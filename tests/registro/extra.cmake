# The adult's question is drawn with the program's generator, which is a header of the exercises.
target_include_directories(tst_registro PRIVATE ${PROJECT_SOURCE_DIR}/src/exercises)
