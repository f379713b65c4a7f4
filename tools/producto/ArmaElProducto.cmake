# Assembles the complete sample product for the sandbox server:
#   cmake -DORIGEN=<data folder> -DDESTINO=<folder> -DFRAGMENTO=<instalacion.json>
#         -DORIGENES=<file;file;...> -P ArmaElProducto.cmake
# DESTINO becomes a copy of ORIGEN whose muestra.json also lists, among the files common to every
# plan, the entries of FRAGMENTO; each entry's "origen" names (by file name) the file of ORIGENES
# that is placed at its "archivo" under producto/.
foreach(variable ORIGEN DESTINO FRAGMENTO ORIGENES)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "ArmaElProducto: ${variable} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${DESTINO}")
file(MAKE_DIRECTORY "${DESTINO}")
file(COPY "${ORIGEN}/" DESTINATION "${DESTINO}")

file(READ "${ORIGEN}/muestra.json" muestra)
file(READ "${FRAGMENTO}" fragmento)
string(JSON comunes LENGTH "${muestra}" comunes)
string(JSON entradas LENGTH "${fragmento}")
math(EXPR ultima "${entradas} - 1")
foreach(indice RANGE ${ultima})
  string(JSON entrada GET "${fragmento}" ${indice})
  string(JSON origen GET "${entrada}" origen)
  string(JSON archivo GET "${entrada}" archivo)
  set(encontrado "")
  foreach(candidato IN LISTS ORIGENES)
    get_filename_component(nombre "${candidato}" NAME)
    if(nombre STREQUAL origen)
      set(encontrado "${candidato}")
      break()
    endif()
  endforeach()
  if(NOT encontrado OR NOT EXISTS "${encontrado}")
    message(FATAL_ERROR "ArmaElProducto: no file for \"${origen}\"")
  endif()
  get_filename_component(carpeta "${DESTINO}/producto/${archivo}" DIRECTORY)
  file(MAKE_DIRECTORY "${carpeta}")
  file(COPY_FILE "${encontrado}" "${DESTINO}/producto/${archivo}")
  string(JSON entrada REMOVE "${entrada}" origen)
  string(JSON muestra SET "${muestra}" comunes ${comunes} "${entrada}")
  math(EXPR comunes "${comunes} + 1")
endforeach()
file(WRITE "${DESTINO}/muestra.json" "${muestra}\n")
