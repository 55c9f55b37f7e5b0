# Writes OUTPUT, the menu entry (KIND desktop) or the metainfo (KIND xml) TEMPLATE with the
# translations of every catalogue in CATALOGUES added as its format adds them; each language's
# output is the next one's template.
set(current ${TEMPLATE})
set(step 0)
foreach(po ${CATALOGUES})
  get_filename_component(code ${po} NAME_WE)
  math(EXPR step "${step} + 1")
  set(next ${OUTPUT}.${step})
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env GETTEXTDATADIRS=${DATADIR}
            ${MSGFMT} --${KIND} --template=${current} -l ${code} -o ${next} ${po}
    RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "msgfmt could not add ${code} to ${TEMPLATE}")
  endif()
  set(current ${next})
endforeach()
file(COPY_FILE ${current} ${OUTPUT})
while(step GREATER 0)
  file(REMOVE ${OUTPUT}.${step})
  math(EXPR step "${step} - 1")
endwhile()
