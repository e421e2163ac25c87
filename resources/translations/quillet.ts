<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>ActionsList</name>
    <message>
        <source>Shutdown</source>
        <comment>Action description</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart</source>
        <comment>Action description</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep</source>
        <comment>Action description</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Out</source>
        <comment>Action description</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Script</source>
        <comment>Action description</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Alerts</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppleScript</name>
    <message>
        <source>The script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 doesn&apos;t understand the “%2” message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shell could not be started: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shell was ended by a signal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The command exited with status %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expected %1 but found end of script.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown token “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown escape sequence “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>string</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>end of line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>end of script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expected %1 but found %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“end” closes no “tell” block.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number %1 is too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DBusNotificationCenter</name>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DailySelectorViewController</name>
    <message>
        <source>Mon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DryRunPowerActions</name>
    <message>
        <source>Dry run: Quillet would %1 now.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoticeWindow</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Scheduler</name>
    <message>
        <source>Action %1 will execute soon!</source>
        <comment>Notifiation</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+10 min</source>
        <comment>Notifiation</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SchedulerViewController</name>
    <message>
        <source>Shutdown</source>
        <comment>Action selector</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart</source>
        <comment>Action selector</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep</source>
        <comment>Action selector</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Out, or a script (click again)</source>
        <comment>Action selector</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Script Manager…</source>
        <comment>Action selector</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <comment>Start button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>Start button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit all applications</source>
        <comment>Alert - Window</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit all unnecesary applications, and save all documents to prevent interruption of %1.</source>
        <comment>Alert - Window</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action %1 did not executed, sorry</source>
        <comment>Notifiation</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SchedulerWindowController</name>
    <message>
        <source>Relative</source>
        <comment>Mode menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absolute</source>
        <comment>Mode menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat</source>
        <comment>Mode menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily</source>
        <comment>Mode menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer mode</source>
        <comment>Mode menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Timer</source>
        <comment>Main menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Timer</source>
        <comment>Main menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Repeating Timer</source>
        <comment>Main menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+R</source>
        <comment>Main menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Absolute Timer</source>
        <comment>Main menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+A</source>
        <comment>Main menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Daily Timer</source>
        <comment>Main menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+D</source>
        <comment>Main menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Window</source>
        <comment>Main menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>Main menu</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillet-osascript</name>
    <message>
        <source>usage: quillet-osascript FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot read the file: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:%2: syntax error: %3 (%4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: execution error: %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
