(* a user script *)
tell application "Finder"
	do shell script "touch \"$HOME/done\""
	display notification "Done" with title "Backup"
	tell app "System Events"
		sleep
	end
end tell
