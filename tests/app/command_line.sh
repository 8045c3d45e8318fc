#!/usr/bin/env bash
# The program on the command line: --help and --version answer without a display,
# anything unknown is refused with a pointer to --help, the toolkit's own options
# still work, and without any graphical session the program says so in one line.
# Weigh-ins are added, exported and imported without a display, beside a running
# program.
# None of these may dump core.
#
# Usage: command_line.sh PROGRAM
set -uo pipefail
program=$1
name=$(basename "$program")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export XDG_RUNTIME_DIR="$tmp/runtime" XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY WAYLAND_SOCKET QT_QPA_PLATFORM
# The texts below are the English ones: whatever the session's language, the program
# speaks English here.
unset LANGUAGE
export LC_ALL=C.UTF-8
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Runs the program with the given arguments; checks its exit status, and that its
# standard output (or, with "err", its error output) matches a pattern.
check() {
    local status=$1 stream=$2 pattern=$3
    shift 3
    "$program" "$@" >"$tmp/out" 2>"$tmp/err"
    local got=$?
    local text
    text=$(cat "$tmp/$stream")
    if [[ $got != "$status" ]] || ! grep -qE -- "$pattern" <<<"$text"; then
        echo "FAIL: $name $*: status $got (wanted $status), $stream: $text" >&2
        failures=$((failures + 1))
    else
        echo "ok: $name $* -> $status"
    fi
}

check 0 out "^Usage: $name \[options\]$" --help
check 0 out "-v, --version" -h
check 0 out "^      --import-csv FILE    Add the weigh-ins of a CSV file" --help
check 0 out "^$name 1\.00$" --version
# A language the program does not speak, or English before one it does, is English.
LC_ALL=it_IT.UTF-8 check 0 out "^Usage: $name \[options\]$" --help
LANGUAGE=it:en:de LC_ALL=de_DE.UTF-8 check 1 err "^Try '$name --help' for more information\.$" --frobnicate
# In German, French and Spanish the options keep their names.
for language in de_DE fr_FR es_ES; do
    LC_ALL=$language.UTF-8 check 0 out "^      --import-csv [[:upper:]]+ " --help
    LC_ALL=$language.UTF-8 check 1 err "--frobnicate" --frobnicate
done
check 0 out "^$name 1\.00$" -style fusion -v
check 1 err "unknown option '--frobnicate'" --frobnicate
check 1 err "Try '$name --help'" --frobnicate
check 1 err "neither DISPLAY nor WAYLAND_DISPLAY" # no graphical session at all
[[ $(wc -l <"$tmp/err") == 1 ]] || { echo "FAIL: more than one line without a session" >&2; failures=$((failures + 1)); }
check 1 err "unexpected argument 'extra'" -platform offscreen extra
check 1 err "unknown option '-frobnicate'" -platform offscreen -frobnicate
DISPLAY=:4095 check 1 err "cannot show its windows" # a display that is not there
# A display or a platform named on the command line, in either form, is the
# toolkit's to try: the program does not say that no session is set.
check 1 err "cannot show its windows" -display :4095
check 1 err "cannot show its windows" --display :4095
check 1 err "cannot show its windows" -platform wayland # the client library tries wayland-0
check 1 err "unknown option '--platform=offscreen'" --platform=offscreen # not a form the toolkit takes

# Weigh-ins on the command line. A value it refuses is one line on standard error.
refused() {
    check 1 err "$@"
    [[ $(wc -l <"$tmp/err") == 1 && ! -s "$tmp/out" ]] || fail "$name ${*:2}: more than one line, or output"
}
journal="$XDG_DATA_HOME/$name/journal.sqlite"
today=$(date +%F)
earlier=$(date -d '8 days ago' +%F)
check 0 out "^Stored 172\.4 lb \(78\.2 kg\) for $today\.$" --add-weight 172.4lb
check 0 out "^Stored 78\.2 kg \(172\.4 lb\) for $earlier\.$" --add-weight "78,2 KG" --date "$earlier"
check 0 out "^Stored 78\.25 kg \(172\.51 lb\) for $earlier, replacing 78\.2 kg \(172\.4 lb\)\.$" \
    --add-weight 78.25 kg --date="$earlier"
# Once the person has chosen a unit, it leads, whatever unit was typed.
settings="$XDG_CONFIG_HOME/$name/$name.conf"
mkdir -p "$(dirname "$settings")"
printf '[Settings]\nWeightUnit=kg\n' >"$settings"
check 0 out "^Stored 78\.2 kg \(172\.4 lb\) for $today, which the journal had already\.$" --add-weight 172.4lb
printf '[Settings]\nWeightUnit=lb\n' >"$settings"
check 0 out "^Stored 172\.51 lb \(78\.25 kg\) for $earlier, which the journal had already\.$" \
    --add-weight 78.25kg --date "$earlier"
rm -f "$settings"
refused "$(date -d tomorrow +%F) is in the future" --add-weight 172lb --date "$(date -d tomorrow +%F)"
refused "\"2026-02-30\" is not a date" --add-weight 172lb --date 2026-02-30
# A long argument is quoted short, as every field of a file is.
refused "^.{0,120}\(100000 characters\) is not a date" --add-weight 172lb --date "$(head -c 100000 /dev/zero | tr '\0' x)"
refused "has no unit" --add-weight 172.4
refused "more than zero" --add-weight 0kg
refused "The least a weigh-in may be is 9\.07 kg\." --add-weight 9kg
refused "The least a weigh-in may be is 20 lb\." --add-weight 19.99lb
refused "1899-12-31 is before 1900-01-01" --add-weight 210lb --date 1899-12-31
refused "does not start with a number" --add-weight heavy
touch "$tmp/file"
XDG_DATA_HOME="$tmp/file/data" refused "cannot be kept: $tmp/file/data: Not a directory" --add-weight 172lb
check 1 err "option '--date' goes with '--add-weight'" --date "$today"
check 1 err "Try '$name --help'" --add-weight
check 1 err "cannot be given together" --add-weight 172lb --export-csv -
check 0 out "^Usage: $name" --progress --help
# What was refused stored nothing; the export is the CSV and nothing else.
printf 'date,weight_kg,weight_lb,unit\n%s,78.25,172.51,kg\n%s,78.20,172.40,lb\n' "$earlier" "$today" >"$tmp/expected.csv"
check 0 out "^date,weight_kg,weight_lb,unit$" --export-csv -
cmp -s "$tmp/out" "$tmp/expected.csv" || fail "--export-csv - wrote: $(cat "$tmp/out")"
check 0 out "^Wrote 2 weigh-ins to $tmp/weigh-ins\.csv\.$" --export-csv "$tmp/weigh-ins.csv"
cmp -s "$tmp/weigh-ins.csv" "$tmp/expected.csv" || fail "--export-csv FILE wrote: $(cat "$tmp/weigh-ins.csv")"
refused "cannot write the weigh-ins to $tmp/nowhere/weigh-ins\.csv" --export-csv "$tmp/nowhere/weigh-ins.csv"
# A writer holding the journal is waited for, not taken for a failure.
python3 -c 'import sqlite3, sys, time
db = sqlite3.connect(sys.argv[1], isolation_level=None)
db.execute("BEGIN IMMEDIATE"); open(sys.argv[2], "w").close(); time.sleep(1); db.execute("COMMIT")' \
    "$journal" "$tmp/held" &
while [[ ! -e $tmp/held ]]; do sleep 0.05; done
check 0 out "replacing 172\.4 lb" --add-weight 172.5lb
wait
# A file that is no journal is moved aside, both paths named, and the weigh-in kept.
echo "no journal" >"$journal"
check 0 err "^$name: $journal was damaged .* moved to $XDG_DATA_HOME/$name/journal-damaged-[0-9-]+\.sqlite " \
    --add-weight 80kg
check 0 out "^$today,80\.00,176\.37,kg$" --export-csv -

# A file of weigh-ins imported: what was added, replaced and unchanged on standard
# output, each line left out on standard error; status 1 when nothing is stored.
# The export imported into an empty journal and exported again is the same file.
XDG_DATA_HOME="$tmp/other" check 0 out "^$tmp/expected\.csv: 2 weigh-ins added, 0 replaced, 0 unchanged\.$" \
    --import-csv "$tmp/expected.csv"
XDG_DATA_HOME="$tmp/other" check 0 out "^date" --export-csv -
cmp -s "$tmp/out" "$tmp/expected.csv" || fail "export, import, export gave: $(cat "$tmp/out")"
printf 'date,weight,unit\n%s,180.4,lb\n%s,9kg,kg\n%s,80,kg\n' "$earlier" "$earlier" "$today" >"$tmp/some.csv"
XDG_DATA_HOME="$tmp/other" check 0 out ": 0 weigh-ins added, 2 replaced, 0 unchanged, 1 line left out\.$" \
    --import-csv "$tmp/some.csv"
grep -qx "$name: $tmp/some\.csv:3: The weight 9 kg is below the lightest the journal keeps, 9\.07 kg\." "$tmp/err" || fail "left out: $(cat "$tmp/err")"
XDG_DATA_HOME="$tmp/other" check 0 out "^$today,80\.00,176\.37,kg$" --export-csv -
if XDG_DATA_HOME="$tmp/other" "$program" --import-csv - <"$tmp/some.csv" >"$tmp/out" 2>"$tmp/err" \
    && grep -q "^standard input: 0 weigh-ins added, 0 replaced, 2 unchanged" "$tmp/out"; then
    echo "ok: $name --import-csv - <some.csv -> 0"
else
    fail "--import-csv from standard input: $(cat "$tmp/out" "$tmp/err")"
fi
printf 'date,weight\n%s,9\n' "$today" >"$tmp/light.csv"
check 1 err "light\.csv:2: The weight 9 kg is below the lightest the journal keeps, 9\.07 kg\." --import-csv "$tmp/light.csv"
printf 'Datum,Gewicht\n03/04/2025,80\n' >"$tmp/german.csv"
refused "german\.csv cannot be imported: No column of dates.* Import it once from the progress window" \
    --import-csv "$tmp/german.csv"
printf 'date,weight\n03/04/2025,80\n' >"$tmp/either.csv"
refused "is 2025-04-03 or 2025-03-04" --import-csv "$tmp/either.csv"
refused "cannot read $tmp/none\.csv" --import-csv "$tmp/none.csv"
check 1 err "option '--import-csv' needs a value" --import-csv

check 0 out "^$today,80\.00,176\.37,kg$" --export-csv -
# An export onto the journal, by its name or through a link, is refused: written over,
# the journal would be lost.
ln -s "$journal" "$tmp/link.csv"
refused "is your journal of weigh-ins" --export-csv "$journal"
refused "is your journal of weigh-ins" --export-csv "$tmp/link.csv"
refused "is your journal of weigh-ins" --export-csv "$journal-wal"
check 0 out "^$today,80\.00,176\.37,kg$" --export-csv -
# A FIFO in the journal's place is refused at once and left; a link is moved aside and
# what it points to is not written.
mv "$journal" "$tmp/journal.sqlite"
mkfifo "$journal"
timeout 10 "$program" --add-weight 80kg >"$tmp/out" 2>"$tmp/err"
got=$?
if [[ $got == 1 && -p $journal ]] && grep -q "it is a FIFO" "$tmp/err"; then
    echo "ok: $name --add-weight with a FIFO in the journal's place -> 1"
else
    fail "--add-weight with a FIFO in the journal's place: status $got, err: $(cat "$tmp/err")"
fi
rm "$journal"
touch "$tmp/elsewhere.txt"
ln -s "$tmp/elsewhere.txt" "$journal"
check 0 err "^$name: $journal was a link to $tmp/elsewhere\.txt, .* moved to $XDG_DATA_HOME/$name/journal-link-" \
    --add-weight 80kg
[[ ! -s $tmp/elsewhere.txt && ! -L $journal ]] || fail "the journal was written through a link"

# A help or a version that cannot be written is an error, as in GNU programs.
for stdout in /dev/full closed; do
    if [[ $stdout == closed ]]; then "$program" --help >&- 2>"$tmp/err"; else "$program" --version >"$stdout" 2>"$tmp/err"; fi
    got=$?
    if [[ $got == 1 ]] && grep -q "^$name: write error" "$tmp/err"; then
        echo "ok: $name with its output $stdout -> 1"
    else
        echo "FAIL: $name with its output $stdout: status $got, err: $(cat "$tmp/err")" >&2
        failures=$((failures + 1))
    fi
done

# The toolkit's own option picks a platform, with one dash or two, and the program
# starts on it, with --progress too. While it runs, and holds the lock that keeps a
# second instance out, a weigh-in is still added.
for options in "-platform offscreen" "--platform offscreen --progress"; do
    # shellcheck disable=SC2086 # the options are words
    "$program" $options >"$tmp/gui" 2>&1 &
    pid=$!
    sleep 1.5
    if kill -0 "$pid" 2>/dev/null; then
        echo "ok: $name $options runs"
        check 0 out "^Stored 81 kg" --add-weight 81kg
        check 0 out "^$tmp/some\.csv: .* unchanged, 1 line left out\.$" --import-csv "$tmp/some.csv"
        kill "$pid"
    else
        fail "$name $options ended: $(cat "$tmp/gui")"
    fi
    wait "$pid" 2>/dev/null
done

((failures == 0)) || exit 1
