# Writes the page's service worker (web/sw.js.in) into the site with the list
# of the files it keeps and a version that is a digest of their contents, so
# that every build whose files differ has a cache of its own.
#   cmake -DSITE=<site dir> -DTEMPLATE=<sw.js.in> -DFILES="a|b|c" -P ServiceWorker.cmake
string(REPLACE "|" ";" files "${FILES}")
set(digests "")
set(quoted "")
foreach(file IN LISTS files)
  list(APPEND quoted "'${file}'")
  if(file STREQUAL "./")
    set(path "${SITE}/index.html")
  else()
    set(path "${SITE}/${file}")
  endif()
  file(SHA256 "${path}" digest)
  string(APPEND digests "${file}=${digest}\n")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING "${version}" 0 16 SITE_VERSION)
list(JOIN quoted ", " SITE_FILES)
configure_file("${TEMPLATE}" "${SITE}/sw.js" @ONLY)
