# Starting the editor and waiting for its windows on an X display, for scripts that drive it
# with xdotool. Sourced, not run.

# A path of this machine as the editor's file dialogs take it, on Wine's Z: drive.
windows_path() { echo "Z:${1//\//\\}"; }

# Gives a dialog the keyboard with a click on its title bar.
focus_dialog() { xdotool mousemove --window "$1" 60 8 click 1; sleep 0.3; }

# Waits up to 15 s for a window whose title matches, and prints its id.
await() {
    for _ in $(seq 1 60); do
        local id
        id=$(xdotool search --name "$1" 2>/dev/null | tail -n 1) && [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.25
    done
    echo "no window '$1'" >&2
    return 1
}

# Waits up to 15 s until no window's title matches.
gone() {
    for _ in $(seq 1 60); do
        xdotool search --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.25
    done
    return 1
}

# A scripted run starts without the recovery question: the copies of
# unsaved work that editors ended by an earlier run's wineserver -k left in
# the prefix are forgotten.
forget_recovery_files() {
    [ -n "${WINEPREFIX:-}" ] || return 0
    rm -rf "$WINEPREFIX"/drive_c/users/*/AppData/Local/Lumigrid/Recovery
}
forget_recovery_files

# Starts the editor of build tree $1 in the tree's own Wine prefix, ends the
# prefix's wineserver on exit, and waits for the main window, put at the top
# left; its id is in $main.
start_editor() {
    export WINEPREFIX="$1/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    "$(dirname "${BASH_SOURCE[0]}")/wine-prefix.sh" "$WINEPREFIX"
    forget_recovery_files
    trap 'wineserver -k 2>/dev/null || true' EXIT
    wine "$1/bin/lumigrid.exe" &
    main=$(await "^Lumigrid ver 1.0")
    xdotool windowmove "$main" 0 0
    sleep 1
}
