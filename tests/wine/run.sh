#!/bin/sh
# Runs a Windows test program under Wine with the QT_* variables that CTest
# sets: Wine keeps those from Windows programs (a host Qt's settings would
# mislead them), so cmd sets them anew in front of the program.
# Usage: run.sh PROGRAM.exe [ARGUMENT...]   (no argument may hold a space)
set -eu
sets=""
for name in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    sets="${sets}set $name=$(printenv "$name")&& "
done
exec "${WINE:-/usr/lib/wine/wine64}" cmd /c "$sets$*"
