#!/bin/sh
# The library search paths of the program and its plugin: an empty or
# relative entry names the folder the program is started from, whose
# libraries would then be loaded. Absolute ones and $ORIGIN are safe.
rc=0
for f in "$@"; do
    p=$(readelf -d "$f" | sed -n 's/.*(R[UN]*PATH).*\[\(.*\)\]$/\1/p')
    case ":$p:" in *::*) [ -n "$p" ] && echo "$f: empty entry in \"$p\"" && rc=1 ;; esac
    IFS=:
    for e in $p; do
        case $e in '' | /* | '$ORIGIN' | '$ORIGIN/'* | '${ORIGIN}'*) ;; *) echo "$f: relative entry \"$e\"" && rc=1 ;; esac
    done
    unset IFS
done
exit $rc
