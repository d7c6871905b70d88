# Makes the self-contained page: index.html with the style sheet, the module (its
# WebAssembly inside) and the page script inlined, so it works when opened from disk.
# cmake -DPAGE=dir -DCORE=tarn-core-single.js -DOUT=tarn.html -P SinglePage.cmake
file(READ ${PAGE}/index.html html)
file(READ ${PAGE}/tarn.css css)
file(READ ${CORE} core)
file(READ ${PAGE}/tarn-worker.js worker)
file(READ ${PAGE}/tarn.js script)
foreach(part core worker script)
  # A script's text must not close its own element early.
  string(REPLACE "</script" "<\\/script" ${part} "${${part}}")
endforeach()
string(REPLACE "<link rel=\"stylesheet\" href=\"tarn.css\">" "<style>\n${css}</style>" html "${html}")
string(REPLACE "<script id=\"tarn-core\" src=\"tarn-core.js\"></script>" "<script id=\"tarn-core\">\n${core}</script>" html "${html}")
string(REPLACE "<script src=\"tarn-worker.js\"></script>" "<script>\n${worker}</script>" html "${html}")
string(REPLACE "<script src=\"tarn.js\"></script>" "<script>\n${script}</script>" html "${html}")
file(WRITE ${OUT} "${html}")
