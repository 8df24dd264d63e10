# cmake -DTOOL=<corvellane-data> -DKEY=<key name> -DINPUT=<plain> -DOUTPUT=<enciphered> -P Encipher.cmake
#
# Runs the data tool with the file on standard input, writing a temporary file
# first so that a failed run never leaves a half-written output behind.
get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
execute_process(COMMAND ${TOOL} encrypt --key ${KEY}
  INPUT_FILE ${INPUT} OUTPUT_FILE ${OUTPUT}.tmp RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE ${OUTPUT}.tmp)
  message(FATAL_ERROR "Enciphering ${INPUT} failed (${result})")
endif()
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
