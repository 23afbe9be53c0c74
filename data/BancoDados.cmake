# Builds Config.qzd beside the executable from the text files of data/:
# esquema.sql first, then every other data/*.sql in name order.
find_program(SQLITE3 sqlite3 REQUIRED)
file(GLOB ARQUIVOS_DADOS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*.sql)
list(SORT ARQUIVOS_DADOS)
set(CONFIG_QZD ${PASTA_APLICACAO}/Config.qzd)
add_custom_command(
  OUTPUT ${CONFIG_QZD}
  COMMAND ${CMAKE_COMMAND} -DSQLITE3=${SQLITE3} -DSAIDA=${CONFIG_QZD}
          -DPASTA=${CMAKE_SOURCE_DIR}/data -P ${CMAKE_SOURCE_DIR}/data/GeraBanco.cmake
  DEPENDS ${ARQUIVOS_DADOS} ${CMAKE_SOURCE_DIR}/data/GeraBanco.cmake
  COMMENT "Building Config.qzd from data/"
  VERBATIM)
add_custom_target(config_qzd ALL DEPENDS ${CONFIG_QZD})
