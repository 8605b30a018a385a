#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Serves the page that scripts/build-web.sh built on 127.0.0.1 for a look in
# a browser, at http://127.0.0.1:8080/ ($PORT for another port), until
# Ctrl+C.
set -euo pipefail
cd "$(dirname "$0")/.."
site=${WEB_BUILD_DIR:-build-web}/site
if [[ ! -f $site/index.html ]]; then
    echo "serve-web: no page in $site; run scripts/build-web.sh first" >&2
    exit 1
fi
exec node web/serve.mjs "$site" "${PORT:-8080}"
