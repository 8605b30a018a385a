# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the service worker SITE_DIR/sw.js from TEMPLATE: the files it keeps
# (FILES, names in SITE_DIR apart by commas) and a cache name from their
# hash, so that any change to the site makes a new worker.
#
#   cmake -DSITE_DIR=... -DTEMPLATE=... -DFILES=a,b -P worker_cache.cmake
string(REPLACE "," ";" FILES "${FILES}")
set(hashes "")
set(quoted "")
foreach(file IN LISTS FILES)
    file(SHA256 "${SITE_DIR}/${file}" hash)
    string(APPEND hashes "${hash}")
    list(APPEND quoted "'${file}'")
endforeach()
string(SHA256 site_hash "${hashes}")
string(SUBSTRING "${site_hash}" 0 16 SITE_HASH)
# The page itself as "./", the address a visit asks for.
list(TRANSFORM quoted REPLACE "^'index.html'$" "'./'")
list(JOIN quoted ", " SITE_FILES)
configure_file("${TEMPLATE}" "${SITE_DIR}/sw.js" @ONLY)
