cmake_minimum_required(VERSION 3.25)
# Checks that every file under src/ includes project headers only from its own
# layer or the layers below it. Run with -DSOURCE_DIR=<project root> -P.
#
# Each entry: a folder, then the folders its files may include from.
# (Commas inside an entry, since CMake lists split at semicolons.)
set(layers
  "core|core"
  "models|core,models"
  "dynamics|core,models,dynamics"
  "settings|core,models,settings"
  "view3d/scene|core,view3d/scene"
  "view3d/objects|core,models,dynamics,settings,view3d/scene,view3d/objects"
  "document|core,models,dynamics,settings,view3d,document"
  "view|core,models,dynamics,settings,view3d,document,view"
  "plots|core,models,dynamics,settings,document,plots"
  "dialogs|core,models,dynamics,settings,document,plots,dialogs"
  "shell|core,models,dynamics,settings,view3d,document,view,plots,dialogs,shell"
  "cli|core,models,dynamics,cli")
set(project_folders core models dynamics settings view3d document view plots dialogs shell cli)

set(failures "")
foreach(entry IN LISTS layers)
  string(REGEX REPLACE "[|,]" ";" parts "${entry}")
  list(GET parts 0 folder)
  list(SUBLIST parts 1 -1 allowed)
  file(GLOB_RECURSE files "${SOURCE_DIR}/src/${folder}/*.h" "${SOURCE_DIR}/src/${folder}/*.cpp")
  foreach(file IN LISTS files)
    file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+\"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE ".*\"([^\"]+)\".*" "\\1" header "${line}")
      if(NOT header MATCHES "/")
        continue()
      endif()
      string(REGEX MATCH "^[^/]+" top "${header}")
      if(NOT top IN_LIST project_folders)
        continue()
      endif()
      set(ok FALSE)
      foreach(prefix IN LISTS allowed)
        string(FIND "${header}" "${prefix}/" at)
        if(at EQUAL 0)
          set(ok TRUE)
        endif()
      endforeach()
      if(NOT ok)
        file(RELATIVE_PATH rel "${SOURCE_DIR}" "${file}")
        list(APPEND failures "${rel} includes \"${header}\" from a higher layer")
      endif()
    endforeach()
  endforeach()
endforeach()

if(failures)
  list(JOIN failures "\n" text)
  message(FATAL_ERROR "Layer check failed:\n${text}")
endif()
message(STATUS "Layer check: every include points to the same or a lower layer")
