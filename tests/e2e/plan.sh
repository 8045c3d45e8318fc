#!/usr/bin/env bash
# The plan of the typical run on the installed program, by keyboard: opened from the
# results window, saved as PDF into a folder (its text read back shows the figures),
# copied to the clipboard, saved into a read-only folder (a message naming the path,
# and no file), closed by Escape, brought back from minimised and gone with
# Calculate Again.
#
# Usage: plan.sh BUILD_DIR [openbox|icewm|none]
here=$(cd "$(dirname "$0")" && pwd)
export E2E_WM=${2:-openbox}
source "$here/lib.sh"
source "$here/a11y.sh"
e2e_setup "$1"
e2e_a11y_setup
for tool in pdftotext xclip; do
    command -v "$tool" >/dev/null || e2e_fail "$tool is missing (the README's test command installs it)"
done
TITLE='^Veltro Weight Loss Calculator v1.0$'
PLAN_TITLE='^Weight loss plan for JOHN'
# The file dialog's name box, emptied, takes the whole path; Return saves.
save_as() {
    e2e_key ctrl+s
    e2e_window '^Save Your Plan as PDF$' 15 >/dev/null || e2e_fail "no file dialog"
    sleep 0.5
    e2e_key ctrl+a BackSpace
    e2e_type "$1"
    e2e_key Return
}

e2e_open_typical_plan
main=$E2E_MAIN results=$E2E_RESULTS plan=$E2E_PLAN
e2e_screenshot "$plan" plan-window

# Saved as PDF: real text, with the figures of the calculation and the plan.
mkdir -p "$E2E_TMP/out"
save_as "$E2E_TMP/out/plan.pdf"
e2e_wait_for 15 test -s "$E2E_TMP/out/plan.pdf" || e2e_fail "no PDF written"
sleep 0.5
pdftotext -layout "$E2E_TMP/out/plan.pdf" "$E2E_TMP/plan.txt" || e2e_fail "pdftotext cannot read the PDF"
for figure in JOHN 2943 1788 1899 "36 days" 2846 "What the body is likely to do" "Hall and colleagues" "1969 calories"; do
    grep -qF "$figure" "$E2E_TMP/plan.txt" || e2e_fail "the PDF does not say $figure: $(head -c 2000 "$E2E_TMP/plan.txt")"
done
cp "$E2E_TMP/out/plan.pdf" "$E2E_ARTIFACTS/plan.pdf"
e2e_log "PDF saved: $(pdfinfo "$E2E_TMP/out/plan.pdf" 2>/dev/null | grep -E '^(Pages|Page size)' | tr -s ' ' | paste -sd ';')"

# Copied as text.
e2e_activate "$plan"
e2e_key ctrl+c
sleep 0.3
copied=$(xclip -selection clipboard -o 2>/dev/null) || e2e_fail "nothing on the clipboard"
for figure in "Weight loss plan for JOHN" 2943 1788 "36 days" 2846; do
    grep -qF "$figure" <<<"$copied" || e2e_fail "the clipboard does not say $figure: $copied"
done

# A folder nobody may write to: the message names the path and the reason; no file.
readonly_dir="$E2E_TMP/readonly"
mkdir -p "$readonly_dir"
if [[ $(id -u) != 0 ]]; then
    chmod 555 "$readonly_dir"
elif mount -t tmpfs -o ro,size=64k tmpfs "$readonly_dir" 2>/dev/null; then
    trap 'umount "$readonly_dir" 2>/dev/null; e2e_cleanup' EXIT
else
    readonly_dir=/proc # root writes anywhere else
fi
e2e_activate "$plan"
save_as "$readonly_dir/plan.pdf"
shown=$(e2e_message_boxes 1 15) || e2e_fail "no message for a read-only folder"
grep -qF "Your plan could not be saved as $readonly_dir/plan.pdf: " <<<"$shown" || e2e_fail "the message reads: $shown"
e2e_log "read-only folder: $(cut -f3 <<<"$shown")"
e2e_key Return
[[ -z "$(ls -A "$readonly_dir" 2>/dev/null | grep -v '^[0-9]')" || "$readonly_dir" == /proc ]] ||
    e2e_fail "something was left in the read-only folder: $(ls -A "$readonly_dir")"
[[ ! -e "$readonly_dir/plan.pdf" ]] || e2e_fail "a file was left in the read-only folder"

# Escape closes the plan; Calculate Again leaves none behind.
e2e_activate "$plan"
e2e_key Escape
sleep 0.5
[[ -z "$(xdotool search --onlyvisible --name "$PLAN_TITLE" 2>/dev/null)" ]] || e2e_fail "Escape left the plan open"
e2e_activate "$results"
e2e_key alt+p
plan=$(e2e_window "$PLAN_TITLE" 15) || e2e_fail "the plan did not open a second time"
# Minimised, then asked for again: it comes back, in front and active.
if [[ "$E2E_WM" != none ]]; then
    xdotool windowminimize --sync "$plan"
    e2e_activate "$results"
    e2e_key alt+p
    e2e_wait_for 5 sh -c "xprop -id $plan WM_STATE | grep -q 'window state: Normal'" ||
        e2e_fail "Alt+P left the minimised plan minimised: $(xprop -id "$plan" WM_STATE _NET_WM_STATE)"
    e2e_wait_for 5 sh -c "[ \"\$(xdotool getactivewindow)\" = $plan ]" ||
        e2e_fail "the plan came back but is not active: $(xprop -id "$plan" _NET_WM_STATE)"
fi
e2e_activate "$results"
e2e_key alt+f && e2e_key Return   # Calculate Again
sleep 0.5
[[ -z "$(xdotool search --onlyvisible --name "$PLAN_TITLE" 2>/dev/null)" ]] || e2e_fail "Calculate Again left the plan open"
main=$(e2e_window "$TITLE") || e2e_fail "no main window after Calculate Again"
e2e_activate "$main"
e2e_key alt+x
exit_screen=$(e2e_window "$TITLE") || e2e_fail "no exit screen"
e2e_activate "$exit_screen"
e2e_key alt+x
e2e_wait_exit "$E2E_APP_PID" || e2e_fail "the program did not end"
[[ "$E2E_EXIT_CODE" == 0 ]] || e2e_fail "exit status $E2E_EXIT_CODE"
e2e_log "plan passed"
