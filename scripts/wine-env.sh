# Sourced by the Wine scripts: one project-local prefix, quiet Wine.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${QUORLEN_WINEPREFIX:-$root/build/wineprefix}
export WINEDEBUG=-all
export WINEARCH=win64
# A desktop session loads X resources; a bare Xvfb has none (see the file).
export XENVIRONMENT=${XENVIRONMENT:-$root/scripts/x-resources}
