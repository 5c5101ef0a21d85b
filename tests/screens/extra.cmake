# The class test loads the record view's plugin as the program does; it and the caption test also link the view,
# to reach its widgets without the program's folder.
add_dependencies(tst_classe numerella_pluginregistro)
target_link_libraries(tst_classe PRIVATE numerella_formregistro)
target_link_libraries(tst_didascalie PRIVATE numerella_formregistro)
