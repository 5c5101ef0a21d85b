# The class test loads the record view's plugin as the program does.
add_dependencies(tst_classe numerella_pluginregistro)
