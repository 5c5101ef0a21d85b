#!/bin/sh
# The library search paths of the program and its plugins: an empty or relative entry names the folder the program
# is started from, whose libraries would then be loaded. Absolute entries and $ORIGIN are safe.
# The program itself (the first file) needs neither Qt Charts nor Qt OpenGL: only the record view's plugin does, so
# that a child's session does not map them.
rc=0
for f in "$@"; do
    p=$(readelf -d "$f" | sed -n 's/.*(R[UN]*PATH).*\[\(.*\)\]$/\1/p')
    case ":$p:" in ::) ;; *::* | *:[!/\$]* | *:\$[!O]*) echo "$f: unsafe library search path \"$p\"" && rc=1 ;; esac
done
for l in libQt6Charts libQt6OpenGL; do
    readelf -d "$1" | grep "(NEEDED).*\[$l\." && echo "$1: needs $l" && rc=1
done
exit $rc
