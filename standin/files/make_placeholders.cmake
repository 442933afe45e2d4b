# cmake -DOUT_DIR=<dir> -DNAMES=a|b/c|... -P make_placeholders.cmake
# Writes a few bytes of text per file; only their presence matters to the stand-in engine.
string(REPLACE "|" ";" _names "${NAMES}")
foreach(_name IN LISTS _names)
  file(WRITE "${OUT_DIR}/${_name}"
       "Ostrel-Mini stand-in engine placeholder: ${_name}\n")
endforeach()
