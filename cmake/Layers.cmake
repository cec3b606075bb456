# Every source file belongs to exactly one layer, named here by its path
# under src/ without the extension (a header-only file keeps its ".h").
# A layer may include its own files and those of the layers it depends on,
# nothing else; the include_layers test holds the tree to that.
#
#   base        the table, the model, the log, the message routine, encodings
#   editor      the editor's decisions on the model, without a window
#   files       readers, writers and the file system
#   tools       the text and timing tools
#   operations  routines that join reading, tools and the editor's state
#   spell       the Hunspell dictionaries (kelvo_spell, beside the core)
#   batch       the kelvo-batch commands
#   windows     every widget: the windows, their glue and the composition root
#   video       the player (full edition)
#   program     the entry points
#
# Layers up to operations form kelvo_core (Qt Core only).

set(KELVO_LAYERS base editor files tools operations spell batch windows video program)

set(KELVO_LAYER_base_DEPENDS "")
set(KELVO_LAYER_base
  app/MessageBox
  app/ModeGlobals
  app/ModeValues.h
  document/Decimal
  document/DocumentGlobals
  document/HugePages
  document/RowStore.h
  document/ChangeJournal
  document/SubtitleDocument
  document/SubtitleRow.h
  document/SubtitleTable
  document/TimeCode
  document/TimeText
  document/TimeBaseValues.h
  document/VectorPaths
  document/OptionalText.h
  editor/EditorControls
  editor/EditorModel
  files/ByteLines
  files/FileEncoding.h
  files/FileGlobals
  files/FileReplace
  files/TextDecoding
  files/TextEncoding
  tools/text/CorrectionLog
)

set(KELVO_LAYER_editor_DEPENDS base)
set(KELVO_LAYER_editor
  editor/BulkPass
  editor/CellShade
  editor/EditorLayout
  film/FilmLayout
  editor/EnableSets
  editor/FlagRecount
  editor/GridScrollBar
  editor/LayoutSwitch
  editor/Leaving
  editor/LineFields
  editor/RowNavigation
  editor/RowOperations
  editor/SecondSubtitle
  editor/UndoRedo
  editor/UserAction
  editor/RowStats
  editor/RowText
  editor/TimeFieldRules
  editor/TypedValues
)

set(KELVO_LAYER_files_DEPENDS base editor)
set(KELVO_LAYER_files
  files/AviHeader
  files/DottedReader
  files/Drives
  files/FrameReader
  files/LineClasses
  files/ReadSession
  files/SrtReader
  files/SubtitleReader
  files/SubtitleFormat
  files/SubtitleFileType.h
  files/SubtitleWriter
  files/WriterEngine
  files/convert/ConvertFormats
  files/convert/ConvertLayout.h
  files/convert/ConvertTimes
)

set(KELVO_LAYER_tools_DEPENDS base editor files)
set(KELVO_LAYER_tools
  tools/text/BatchPass
  tools/text/GeneralFixes
  tools/search/Replace
  tools/search/Search
  tools/text/ShowLog
  tools/text/LineJoin
  tools/text/DashTool
  tools/text/CharacterTools
  tools/text/SoundNames
  tools/text/AggressiveBreak
  tools/timing/OverlapCheck
  tools/timing/FpsConversion
  tools/timing/TimeBase
  tools/cd/CdSplit
  tools/timing/TimeShift
  tools/style/TextStyle
  translate/TranslationGlobals
  translate/TranslationReader
  translate/TranslationRows
  translate/TranslationWriter
  film/FilmTracker
  film/FilmTimes
  tools/spell/WordCutter
  tools/spell/SpellDictionary.h
  tools/spell/SpellChecker
  tools/spell/PersonalWords
  tools/spell/SpellWalk
  tools/spell/EditorSpell
)

set(KELVO_LAYER_operations_DEPENDS base editor files tools)
set(KELVO_LAYER_operations
  app/Association
  editor/Activation
  files/ConvertSubtitle
  files/EditorSave
  files/OpenSubtitle
  tools/cd/CdJoin
)

set(KELVO_LAYER_spell_DEPENDS base editor files tools operations)
set(KELVO_LAYER_spell
  spell/HunspellDictionary
  spell/SpellService
)

set(KELVO_LAYER_batch_DEPENDS base editor files tools operations spell)
set(KELVO_LAYER_batch
  batch/Batch
  batch/BatchCommands
  batch/BatchFiles
  batch/BatchManual
  batch/BatchRecords
  batch/CdCommands
  batch/ConvertCommand
  batch/FixCommand
  batch/HalfsecCommand
  batch/OverlapCommand
  batch/ReadCommand
  batch/ReplaceCommand
  batch/SaveCommand
  batch/TimebaseCommand
  batch/FpsCommand
  batch/AviFpsCommand
  batch/ShiftCommand
  batch/SpellCommand
)

set(KELVO_LAYER_windows_DEPENDS base editor files tools operations spell)
set(KELVO_LAYER_windows
  app/Startup
  app/TFoForm
  app/TInfo
  app/TKiszoveg
  app/TLeiras
  app/TUjFelirat
  app/TVerzioinfo
  app/Windows
  editor/EditorTools.h
  editor/EditorToolsWiring
  editor/TFelirat
  editor/TFeliratKeys
  editor/RowOperationsWiring
  editor/TTorlesTobb
  files/FileCommandsWiring
  files/TFileneve
  files/THibaki
  files/TKereses
  tools/search/SearchWiring
  tools/search/TKeresesCsere
  tools/search/TReszletesK
  files/convert/ConvertWiring
  files/convert/TMentesMaskent
  tools/text/CorrectionLogWiring
  tools/text/GeneralFixesWiring
  tools/text/LineJoinWiring
  tools/text/DashToolWiring
  tools/text/CharacterToolsWiring
  tools/cd/CdWiring
  tools/cd/TCd2cd1
  tools/cd/TErtek2cd
  tools/text/SoundNamesWiring
  tools/text/AggressiveBreakWiring
  tools/timing/OverlapWiring
  tools/timing/TAtfedes
  tools/timing/FrameRateWiring
  tools/timing/TAviKi
  tools/timing/TFpsValtas
  tools/timing/TReszletes
  tools/timing/TimeShiftWiring
  film/FilmPlayer
  film/FilmWiring
  film/FilmPreview
  film/FilmControls
  ui/DirectoryBrowser
  ui/JpegImage
  ui/Modal
  ui/Resources
  ui/StateProbe
  ui/SubtitleGridDelegate
  ui/SubtitleGridModel
  tools/style/StyleWiring
  editor/SecondSubtitleWiring
  translate/TForditas
  translate/TFordElott
  tools/spell/SpellHighlighter
  tools/spell/THelyesiras
  tools/spell/SpellWiring
  translate/TranslationSpell
)

set(KELVO_LAYER_video_DEPENDS base editor files tools operations spell windows)
set(KELVO_LAYER_video
  video/QtFilmPlayer
)

set(KELVO_LAYER_program_DEPENDS base editor files tools operations spell batch windows video)
set(KELVO_LAYER_program
  batch/main
  batch/manpage
  main/main
)

# The .cpp files of the given layers, as absolute paths; a listed name with
# neither a .cpp nor a .h stops the configuration.
function(kelvo_layer_sources out)
  set(result "")
  foreach(layer ${ARGN})
    foreach(name ${KELVO_LAYER_${layer}})
      set(base ${CMAKE_SOURCE_DIR}/src/${name})
      if(name MATCHES "\\.h$")
        if(NOT EXISTS ${base})
          message(FATAL_ERROR "layer ${layer}: src/${name} does not exist")
        endif()
      elseif(EXISTS ${base}.cpp)
        list(APPEND result ${base}.cpp)
      elseif(NOT EXISTS ${base}.h)
        message(FATAL_ERROR "layer ${layer}: src/${name}.cpp does not exist")
      endif()
    endforeach()
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# Writes the manifest the include check reads ("layer name" per line, then
# "depends layer deps..." lines), and stops the configuration for a source
# file that no layer lists, so a new file cannot land in the wrong library.
function(kelvo_write_layer_manifest path)
  set(text "")
  set(listed "")
  foreach(layer ${KELVO_LAYERS})
    string(APPEND text "depends ${layer} ${KELVO_LAYER_${layer}_DEPENDS}\n")
    foreach(name ${KELVO_LAYER_${layer}})
      string(REGEX REPLACE "\\.h$" "" stem ${name})
      if(stem IN_LIST listed)
        message(FATAL_ERROR "src/${name} is listed in two layers")
      endif()
      list(APPEND listed ${stem})
      string(APPEND text "file ${layer} ${stem}\n")
    endforeach()
  endforeach()
  set(again CONFIGURE_DEPENDS)
  if(CMAKE_SCRIPT_MODE_FILE)
    set(again "")
  endif()
  file(GLOB_RECURSE all RELATIVE ${CMAKE_SOURCE_DIR}/src ${again}
       ${CMAKE_SOURCE_DIR}/src/*.cpp ${CMAKE_SOURCE_DIR}/src/*.h)
  foreach(f ${all})
    string(REGEX REPLACE "\\.(cpp|h)$" "" stem ${f})
    if(NOT stem IN_LIST listed)
      message(FATAL_ERROR "src/${f} belongs to no layer: add it to cmake/Layers.cmake")
    endif()
  endforeach()
  file(WRITE ${path} "${text}")
endfunction()

# The film's sound and the analyses on it (kelvo_media, on FFmpeg's
# libraries): linked by Kelvo and kelvo-batch, never by kelvo_core.
set(KELVO_LAYER_media_DEPENDS base editor files tools operations)
set(KELVO_LAYER_media
  media/Correlation
  media/FilmAudio
  media/FilmSync
  media/SpeechDetector
  media/SyncAlign
  media/SyncApply
)
list(INSERT KELVO_LAYERS 5 media)
list(APPEND KELVO_LAYER_batch_DEPENDS media)
list(APPEND KELVO_LAYER_batch batch/SyncCommand)
list(APPEND KELVO_LAYER_video_DEPENDS media)
list(APPEND KELVO_LAYER_program_DEPENDS media)
