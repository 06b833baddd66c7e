#!/bin/sh
# Formats a man page as man does and fails on any warning; skipped (77) where man is missing.
command -v man >/dev/null || { echo "man is not installed"; exit 77; }
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$1" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "$warnings"; exit 1; }
