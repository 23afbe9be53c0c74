# The folders of src/ in their layers, from the ground up: a source includes only headers of
# its own folder or of a folder below it, so no two folders lean on each other and the logic
# (every folder before i18n/janelas) never reaches a window. A new folder is placed here first.
# Run by CTest (camadas_pastas):  cmake -DPASTA_FONTES=<repository>/src -P cmake/CamadasPastas.cmake
set(CAMADAS
  # logic (library vexador_nucleo)
  i18n            # dictionary, language, the dialog seam
  db              # database access
  veredito        # the verdict and the graded item every family shares
  shell           # serial link, exchange, session, model facts, the procedure base
  reports         # report files
  rails           # rail grading and the rail report
  chips           # chip readers
  boardtests      # bus and subsystem tests
  console         # console rules and comparator
  diagnostico     # whole-board diagnosis
  linha           # the command line: the diagnosis and the ports without windows
  # windows (library vexador_janelas)
  i18n/janelas    # Qt's own dialogs and texts, the missing-key box
  ui              # window manager, base window, widget helpers
  db/janelas      # the database's questions and boxes
  reports/janelas
  rails/janelas
  chips/janelas
  boardtests/janelas
  console/janelas
  diagnostico/janelas
  app/janelas     # main window, its small windows, the table of every window
  app             # main()
)

if(NOT PASTA_FONTES)
  message(FATAL_ERROR "PASTA_FONTES (the src folder) is not set")
endif()

# The layer of a path under src/: the index of its folder in CAMADAS, -1 when it has none.
function(camada_de caminho saida)
  get_filename_component(pasta "${caminho}" DIRECTORY)
  list(FIND CAMADAS "${pasta}" nivel)
  set(${saida} ${nivel} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE FONTES RELATIVE ${PASTA_FONTES} ${PASTA_FONTES}/*.cpp ${PASTA_FONTES}/*.h)
set(ERROS "")
foreach(fonte ${FONTES})
  camada_de("${fonte}" nivel)
  if(nivel LESS 0)
    string(APPEND ERROS "  ${fonte}: its folder has no place in the layers\n")
    continue()
  endif()
  file(STRINGS ${PASTA_FONTES}/${fonte} inclusoes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(linha ${inclusoes})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" incluido "${linha}")
    if(NOT EXISTS ${PASTA_FONTES}/${incluido})
      continue() # a header beside the source or generated (moc, ui)
    endif()
    camada_de("${incluido}" nivelIncluido)
    if(nivelIncluido LESS 0)
      string(APPEND ERROS "  ${fonte} includes ${incluido}, whose folder has no place in the layers\n")
    elseif(nivelIncluido GREATER nivel)
      string(APPEND ERROS "  ${fonte} includes ${incluido}, a folder above its own\n")
    endif()
  endforeach()
endforeach()

if(ERROS)
  message(FATAL_ERROR "Includes against the folder layers (cmake/CamadasPastas.cmake):\n${ERROS}")
endif()
list(LENGTH FONTES total)
message(STATUS "${total} sources, every include at or below its folder's layer")
