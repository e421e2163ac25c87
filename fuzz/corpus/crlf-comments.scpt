-- comments
# more


DELAY 0.5
log "a\tb" (* (* nested *) *)
tell application "A" to tell application "B" to log out
