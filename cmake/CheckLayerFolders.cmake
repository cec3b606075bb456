cmake_minimum_required(VERSION 3.25)
# Fails when a file's layer in the layer list is not the one its folder and
# name give it, as README.md ("How the code is laid out") tells them.
# Run as: cmake -DMANIFEST=<layers.txt> -P CheckLayerFolders.cmake

# Files whose layer is not their folder's, by path under src/ without the
# extension.
set(exceptions
  app/MessageBox=base app/ModeGlobals=base app/ModeValues=base app/Association=operations
  editor/EditorControls=base editor/EditorModel=base editor/Activation=operations
  editor/EditorTools=windows
  files/ByteLines=base files/FileEncoding=base files/FileGlobals=base files/FileReplace=base
  files/TextDecoding=base files/TextEncoding=base
  files/ConvertSubtitle=operations files/EditorSave=operations files/OpenSubtitle=operations
  tools/text/CorrectionLog=base tools/cd/CdJoin=operations
  film/FilmPlayer=windows film/FilmPreview=windows film/FilmControls=windows
  film/FilmLayout=editor
  tools/spell/SpellHighlighter=windows translate/TranslationSpell=windows
  batch/main=program batch/manpage=program)
# Folders and their layer; the first that starts the path counts.
set(folders
  document/=base app/=windows editor/=editor files/=files tools/=tools translate/=tools
  film/=tools batch/=batch ui/=windows video/=video main/=program spell/=spell media/=media)

function(layer_by_rule stem out)
  foreach(e ${exceptions})
    string(REPLACE "=" ";" pair "${e}")
    list(GET pair 0 path)
    list(GET pair 1 layer)
    if(stem STREQUAL path)
      set(${out} ${layer} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  get_filename_component(name ${stem} NAME)
  # a window ("T" and a capital) or a tool's glue to the editor window
  if(name MATCHES "^T[A-Z]" OR name MATCHES "Wiring$")
    set(${out} windows PARENT_SCOPE)
    return()
  endif()
  foreach(f ${folders})
    string(REPLACE "=" ";" pair "${f}")
    list(GET pair 0 folder)
    list(GET pair 1 layer)
    string(FIND "${stem}" "${folder}" at)
    if(at EQUAL 0)
      set(${out} ${layer} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${out} "none" PARENT_SCOPE)
endfunction()

file(STRINGS ${MANIFEST} entries)
set(faults "")
foreach(e ${entries})
  string(REPLACE " " ";" parts "${e}")
  list(POP_FRONT parts kind layer)
  if(NOT kind STREQUAL "file")
    continue()
  endif()
  layer_by_rule("${parts}" expected)
  if(NOT expected STREQUAL layer)
    list(APPEND faults "src/${parts} is in ${layer}, but its folder and name say ${expected}")
  endif()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "Layers against the folder rule of README.md:\n  ${text}\n"
          "Move the file, or name it in the rule (cmake/CheckLayerFolders.cmake and README.md).")
endif()
message(STATUS "Every file's folder and name tell its layer")
