#pragma once

class TMainForm;
class TTelnetForm;

// Connects "Telnet to a Device" of the Analysis menu (and with it the
// toolbar's Telnet button) to the telnet dialog, which is created here once
// as a child of the main window.
void installTelnetCommands(TMainForm &main);

// Opens a terminal window to the session's telnetIp as a child of the main
// window and records it as the session's telnetForm and activeTelForm.
// Other windows set telnetIp first; the address is not checked here, a bad
// one ends in the window's connection error.
TTelnetForm *openTelnetWindow(TMainForm &main);
