#!/bin/sh
# The library search paths of the program and its plugin: an empty or relative entry names the folder the program
# is started from, whose libraries would then be loaded. Absolute entries and $ORIGIN are safe.
rc=0
for f in "$@"; do
    p=$(readelf -d "$f" | sed -n 's/.*(R[UN]*PATH).*\[\(.*\)\]$/\1/p')
    case ":$p:" in ::) ;; *::* | *:[!/\$]* | *:\$[!O]*) echo "$f: unsafe library search path \"$p\"" && rc=1 ;; esac
done
exit $rc
