#!/usr/bin/env bash
# install_test.sh BUILD_DIR PORTAL_URL PORTAL_DEMO
# Installs the build into a temporary prefix and checks what a desktop and a player see:
# the layout, valid desktop entry and AppStream metadata, a Debian package with computed
# dependencies, and the installed client started from / loading the demo portal.
set -uo pipefail
build=$1 portal_url=$2 portal_demo=$3
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
check() { local what=$1; shift; "$@" >"$work/check.log" 2>&1 || { fail "$what"; cat "$work/check.log" >&2; }; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install" >&2; exit 1; }

# Layout: the client and its pack side by side, bin/kestrune a link to the client.
[ -x "$prefix/lib/kestrune/kestrune" ] || fail "lib/kestrune/kestrune missing"
[ -f "$prefix/lib/kestrune/Tarvel.dll" ] || fail "the resource pack is not beside the client"
[ -L "$prefix/bin/kestrune" ] || fail "bin/kestrune is not a link"
[ "$(readlink -f "$prefix/bin/kestrune")" = "$(readlink -f "$prefix/lib/kestrune/kestrune")" ] \
  || fail "bin/kestrune does not lead to the client"
app_id=net.kestrune.Kestrune
for size in 48 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x${size}" ] || fail "icon ${size}x${size}"
done
check "desktop-file-validate" desktop-file-validate "$prefix/share/applications/$app_id.desktop"
check "appstreamcli validate" appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"

# The Debian package: computed library dependencies plus what no library pulls in.
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null 2>"$work/cpack.log") \
  || { fail "cpack -G DEB"; cat "$work/cpack.log" >&2; }
deb=$(ls "$work"/deb/kestrune_*.deb 2>/dev/null | head -n 1)
if [ -n "$deb" ]; then
  depends=$(dpkg-deb -f "$deb" Depends)
  for needed in libqt6webenginewidgets6 libqt6widgets6 libc6 libqt6webenginecore6-bin qt6-translations-l10n fonts-wqy-zenhei; do
    grep -q "$needed" <<<"$depends" || fail "package Depends lacks $needed: $depends"
  done
  contents=$(dpkg-deb -c "$deb")
  for path in ./usr/lib/kestrune/kestrune ./usr/lib/kestrune/Tarvel.dll "./usr/bin/kestrune -> ../lib/kestrune/kestrune" \
              ./usr/share/applications/$app_id.desktop ./usr/share/metainfo/$app_id.metainfo.xml; do
    grep -qF -- "$path" <<<"$contents" || fail "package lacks $path"
  done
fi

# The installed client from an unrelated folder, under Xvfb, against the demo portal. The
# portal address is fixed at build time; only a loopback portal can be served here.
if [[ ! $portal_url =~ ^http://127\.0\.0\.1:([0-9]+)/$ ]]; then
  echo "the client is built for $portal_url; its start is not tested" >&2
  [ $failures -eq 0 ] && exit 77 || exit 1
fi
port=${BASH_REMATCH[1]}
"$portal_demo" "$port" >"$work/portal.log" 2>&1 &
pids+=($!)
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
read -r -t 20 -u "$display_fd" display || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
mkdir -p "$work/home/run" && chmod 700 "$work/home/run"
(cd / && exec env -i PATH="$PATH" HOME="$work/home" XDG_RUNTIME_DIR="$work/home/run" DISPLAY=":$display" \
   ${QTWEBENGINE_DISABLE_SANDBOX:+QTWEBENGINE_DISABLE_SANDBOX=1} \
   QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --disable-background-networking --no-first-run" \
   "$prefix/bin/kestrune" >"$work/client.log" 2>&1) &
client=$!
pids+=($client)
loaded=0
for _ in $(seq 1 600); do
  if grep -q '^GET /portal.css 200' "$work/portal.log"; then loaded=1; break; fi
  sleep 0.1
done
[ $loaded -eq 1 ] || { fail "the installed client did not load the demo portal"; cat "$work/portal.log" >&2; }
# The client maps its pack read-only: the mapping shows which file it found.
grep -q "$prefix/lib/kestrune/Tarvel.dll" "/proc/$client/maps" 2>/dev/null \
  || { fail "the installed client did not map the pack beside it"; cat "$work/client.log" >&2; }
[ $failures -eq 0 ]
