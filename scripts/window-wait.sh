# Waiting for the editor's windows on an X display, for scripts that drive it
# with xdotool. Sourced, not run.

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
