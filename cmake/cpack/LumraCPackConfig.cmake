# Read by cpack for each generator: our wrapper of the Debian generator's script comes first.
list(PREPEND CMAKE_MODULE_PATH "${CMAKE_CURRENT_LIST_DIR}")
