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
# Every file under src/ is read, and each include is resolved as the compiler finds it: a quoted
# name beside the including file first, then under src/; a name in angle brackets under src/
# only. A file directly in src/, other than CMakeLists.txt, belongs to no folder and is refused.
#
# Usage: check_layers.sh [SRC], SRC being the repository's src/ by default. Prints every include
# that runs upward, with its file and line, and exits 1 if there is one.
set -euo pipefail
src=$(realpath -e "${1:-$(dirname "$0")/../src}")

order=(classdata ui grading seating reports access classmanager gradebook app)
declare -A rank
for i in "${!order[@]}"; do
    rank[${order[$i]}]=$i
done

# Sets reached to the folder of src/ that the path (absolute, without "." or "..") lies in; to
# nothing for a path outside src/ or directly in it.
folder_of() {
    local inside=${1#"$src"/}
    reached=
    [[ $inside != "$1" && $inside == */* ]] && reached=${inside%%/*}
    return 0
}

# Sets resolved to the path without its "." and ".." steps; fewer processes than realpath.
resolve() {
    local step
    local -a steps=()
    IFS=/ read -ra parts <<<"$1"
    for step in "${parts[@]}"; do
        case $step in
        '' | .) ;;
        ..) ((${#steps[@]})) && unset 'steps[-1]' ;;
        *) steps+=("$step") ;;
        esac
    done
    resolved=
    for step in "${steps[@]}"; do
        resolved+=/$step
    done
}

status=0
for entry in "$src"/*; do
    name=${entry#"$src"/}
    if [[ ! -d $entry ]]; then
        if [[ $name != CMakeLists.txt ]]; then
            echo "src/$name stands in no folder; it belongs in one of: ${order[*]}" >&2
            status=1
        fi
    elif [[ -z ${rank[$name]+set} ]]; then
        echo "src/$name/ has no place in the order at the top of $0" >&2
        status=1
    fi
done

while IFS=: read -r file line form included; do
    folder_of "$file"
    folder=$reached
    [[ -n ${rank[$folder]+set} ]] || continue
    candidates=("$src/$included")
    [[ $form == '"' ]] && candidates=("${file%/*}/$included" "$src/$included")
    for candidate in "${candidates[@]}"; do
        [[ -e $candidate ]] || continue
        resolve "$candidate"
        folder_of "$resolved"
        if [[ -n $reached ]] &&
            { [[ -z ${rank[$reached]+set} ]] || ((rank[$reached] > rank[$folder])); }; then
            echo "src/${file#"$src"/}:$line: $folder includes $reached, which stands above it" >&2
            status=1
        fi
        break
    done
done < <(find "$src" -mindepth 2 -type f ! -name CMakeLists.txt -exec grep -HInE \
             '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<][^">]+[">]' {} + |
         sed -E 's/^([^:]+):([0-9]+):[^"<]*([<"])([^">]+)[">].*$/\1:\2:\3:\4/')
exit $status
