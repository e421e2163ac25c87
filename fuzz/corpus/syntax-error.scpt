log "unterminated
