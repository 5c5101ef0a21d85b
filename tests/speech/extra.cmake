# The preparation of a sentence is checked against the espeak-ng engine's reading of it.
target_link_libraries(tst_parla PRIVATE numerella_espeak)
