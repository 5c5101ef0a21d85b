# The language menu and the captions are checked on real screens.
target_link_libraries(tst_lingua PRIVATE numerella_screens)
