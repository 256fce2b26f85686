# The floors of the program, from the ground up. A target links targets of its
# own floor or below, never above, so an include never runs up a floor:
#   0  model: records, formats, document, undo
#   1  the Qt-free cores of the other folders (readers, layout, aggregation,
#      search, the rules of the dialogs and fields, the tool's JSON)
#   2  ui: the widgets' shared services, and the language modules' loader
#   3  app: the shell (frame, document handling, settings)
#   4  the features, which install themselves into the shell
#   5  the program, the tools, the screenshot programs, tests and benchmarks
# kadenzo_check_floors() at the end of configuring gives every library its
# floor from the table below and fails on a link that runs up a floor, or on
# a library the table does not place. Executables are all on floor 5.

# Features stand side by side: one links another only where it opens the
# other's window. Each pair is "from>to", by feature name.
set(KADENZO_FEATURE_LINKS
  # The performance page opens the recording import dialog.
  "editor>recording"
  # The search command opens the search dialog and shows what it found in
  # the workout list.
  "workoutlist>search"
)

function(_kadenzo_place floor feature)
  foreach(target IN LISTS ARGN)
    if(TARGET ${target})
      set_property(TARGET ${target} PROPERTY KADENZO_FLOOR ${floor})
      set_property(TARGET ${target} PROPERTY KADENZO_FEATURE "${feature}")
    endif()
  endforeach()
endfunction()

# kadenzo_floor(FLOOR TARGET...) places libraries below the features;
# kadenzo_feature(NAME TARGET...) places a feature's libraries on floor 4.
function(kadenzo_floor floor)
  _kadenzo_place(${floor} "" ${ARGN})
endfunction()
function(kadenzo_feature name)
  _kadenzo_place(4 ${name} ${ARGN})
endfunction()

function(_kadenzo_collect_targets dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    _kadenzo_collect_targets(${sub} sub_targets)
    list(APPEND targets ${sub_targets})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

function(kadenzo_check_floors)
  kadenzo_floor(0 kadenzo_model)
  kadenzo_floor(1
    kadenzo_analysis_core kadenzo_app_core kadenzo_athlete_core kadenzo_calendar_core
    kadenzo_device_core     kadenzo_diary_core kadenzo_editor_core kadenzo_events_core kadenzo_form_core kadenzo_legacy
    kadenzo_library_core kadenzo_recording kadenzo_workoutlist_core
    kadenzo_resource_ids kadenzo_search_core kadenzo_sync_core kadenzo_tool_core kadenzo_ui_core)
  kadenzo_floor(2 kadenzo_ui kadenzo_resources kadenzo_manual_document)
  kadenzo_floor(3 kadenzo_app)
  kadenzo_feature(analysis kadenzo_analysis)
  kadenzo_feature(diary kadenzo_diary)
  kadenzo_feature(athlete kadenzo_athlete)
  kadenzo_feature(events kadenzo_events)
  kadenzo_feature(library kadenzo_library)
  kadenzo_feature(workoutlist kadenzo_workoutlist)
  kadenzo_feature(editor kadenzo_editor)
  kadenzo_feature(form kadenzo_form)
  kadenzo_feature(calendar kadenzo_calendar)
  kadenzo_feature(recording kadenzo_recording_ui)
  kadenzo_feature(search kadenzo_search)
  kadenzo_feature(device kadenzo_device)

  _kadenzo_collect_targets(${PROJECT_SOURCE_DIR} targets)
  set(checked)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
      set_property(TARGET ${target} PROPERTY KADENZO_FLOOR 5)
      list(APPEND checked ${target})
    elseif(type MATCHES "LIBRARY$")
      get_target_property(floor ${target} KADENZO_FLOOR)
      if(NOT floor AND NOT floor STREQUAL "0")
        message(FATAL_ERROR "${target} has no floor: place it in cmake/Floors.cmake")
      endif()
      list(APPEND checked ${target})
    endif()
  endforeach()

  foreach(target IN LISTS checked)
    get_target_property(floor ${target} KADENZO_FLOOR)
    get_target_property(feature ${target} KADENZO_FEATURE)
    set(links)
    foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
      get_target_property(value ${target} ${property})
      if(value)
        list(APPEND links ${value})
      endif()
    endforeach()
    foreach(link IN LISTS links)
      # A static library's private links show as $<LINK_ONLY:name>.
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
      if(NOT TARGET "${link}")
        continue()
      endif()
      # The model and the cores build without Qt, so not a Qt header reaches them.
      if(floor LESS 2 AND link MATCHES "^Qt6?::")
        message(FATAL_ERROR "${target} (floor ${floor}) links ${link}: the Qt-free floors link no Qt")
      endif()
      get_target_property(link_floor ${link} KADENZO_FLOOR)
      if(NOT link_floor AND NOT link_floor STREQUAL "0")
        continue()  # Qt, GoogleTest and the other packages
      endif()
      if(link_floor GREATER floor)
        message(FATAL_ERROR
          "${target} (floor ${floor}) links ${link} (floor ${link_floor}), which is above it")
      endif()
      get_target_property(link_feature ${link} KADENZO_FEATURE)
      if(floor EQUAL 4 AND link_floor EQUAL 4 AND NOT feature STREQUAL link_feature
         AND NOT "${feature}>${link_feature}" IN_LIST KADENZO_FEATURE_LINKS)
        message(FATAL_ERROR
          "${target} (feature ${feature}) links ${link} (feature ${link_feature}): "
          "features link each other only where one opens the other's window, "
          "as listed in cmake/Floors.cmake")
      endif()
    endforeach()
  endforeach()
endfunction()
