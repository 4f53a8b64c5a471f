#!/usr/bin/env bash
# Regenerates the word-processor RTF fixtures with LibreOffice, which only
# this script needs (the tests read the results): ./make_fixtures.sh
#   colors.html, accents.html, layout.fodt -> colors.rtf, accents.rtf, layout.rtf
#   tnm-written.rtf (RtfWriter's output for test_rtf's sample document),
#   opened and saved again by LibreOffice  -> tnm-resaved.rtf
# The default font LibreOffice names depends on the fonts installed: test_rtf
# expects "Liberation Serif" (package fonts-liberation); without it
# LibreOffice falls back to another family and readsLibreOfficeFile fails.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The files must come after --convert-to: files named before it are opened
# for editing and soffice never exits. A private profile keeps the run apart
# from any LibreOffice the user has open.
to_rtf() {
    soffice -env:UserInstallation="file://$work/profile" --headless --convert-to "rtf:Rich Text Format" \
        --outdir "$work/out" "$@" >/dev/null 2>&1
}
to_rtf --infilter="HTML (StarWriter)" "$here/colors.html" "$here/accents.html"
to_rtf "$here/layout.fodt"
mkdir -p "$work/in"
cp "$here/tnm-written.rtf" "$work/in/tnm-resaved.rtf"
to_rtf "$work/in/tnm-resaved.rtf"
cp "$work"/out/{colors,accents,layout,tnm-resaved}.rtf "$here"/
