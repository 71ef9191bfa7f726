#!/usr/bin/env bash
# Checks that the folders of src/ stack: a file includes only its own folder and folders below
# it. Bottom to top:
#
#   classdata     the open class, its file, the program folder
#   ui            the thin layer over Qt, and the hub the secondary windows hand back to
#   grading       letter grades, statistics, ordering, curves; the scale dialog, panels, wizard
#   seating       chart file, automatic seating; the seating planner
#   reports       the printouts, the page printer over Qt; the print dialog
#   access        password file, failed log-on log; the log-on window
#   classmanager  class-file operations, backup and restore; the class manager
#   gradebook     the gradebook window, the hub that opens the windows below it
#   app           main(), and which window follows which
#
# Prints every include that runs upward, with its file and line, and exits 1 if there is one.
set -euo pipefail
cd "$(dirname "$0")/../src"

order=(classdata ui grading seating reports access classmanager gradebook app)
declare -A rank
for i in "${!order[@]}"; do
    rank[${order[$i]}]=$i
done

status=0
for folder in */; do
    folder=${folder%/}
    if [[ -z ${rank[$folder]+set} ]]; then
        echo "src/$folder/ has no place in the order at the top of $0" >&2
        status=1
        continue
    fi
    while IFS=: read -r file line included; do
        [[ -d $included ]] || continue
        if [[ -z ${rank[$included]+set} ]] || ((rank[$included] > rank[$folder])); then
            echo "src/$file:$line: $folder includes $included, which stands above it" >&2
            status=1
        fi
    done < <(grep -rnoE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z_]+/' \
                 --include='*.h' --include='*.cpp' "$folder" |
             sed -E 's/^([^:]+):([0-9]+):.*"([a-z_]+)\/$/\1:\2:\3/')
done
exit $status
