tell application "System Events" to shut down
