#!/usr/bin/env bash
# play-web.sh -- install what is missing, build the web game and serve it on this machine.
# PORT picks the port (default 8000); Ctrl+C stops the server.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh web
cmake --preset web >/dev/null
cmake --build --preset web --target maze maze_page
port=${PORT:-8000}
echo "play-web: open http://127.0.0.1:$port/ in a browser (Ctrl+C here stops the server)"
exec /usr/bin/python3 -m http.server --bind 127.0.0.1 --directory build/web "$port"
