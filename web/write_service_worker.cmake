cmake_minimum_required(VERSION 3.25)
# Writes sw.js from its template: the list of the files that the page needs
# to start, which the worker fetches at once, and a cache name made of the
# version and a digest of every file's contents. The large icons, which only
# an installed web app shows, are kept when they are first asked for, and so
# is the window's drawing: the page asks for the one its screen shows (1× or
# 2×), and a laptop need not fetch the other. The
# page itself is kept once, as the folder ('./'); the worker answers a visit
# to index.html with it.
file(GLOB files RELATIVE "${SITE}" "${SITE}/*")
list(REMOVE_ITEM files "sw.js")
list(SORT files)
set(on_use "icon-192.png" "icon-512.png" "triangle.png" "triangle@2x.png")
set(digests "")
set(list "    './',\n")
foreach(file ${files})
  file(SHA256 "${SITE}/${file}" digest)
  string(APPEND digests "${digest}")
  if(NOT file IN_LIST on_use AND NOT file STREQUAL "index.html")
    string(APPEND list "    './${file}',\n")
  endif()
endforeach()
string(SHA256 digest "${digests}")
string(SUBSTRING "${digest}" 0 16 digest)
set(CACHE_NAME "right-triangle-${VERSION}-${digest}")
set(FILES "${list}")
configure_file("${TEMPLATE}" "${SITE}/sw.js" @ONLY)
