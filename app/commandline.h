#pragma once
// The program's command line: exporting and importing lists in the data folder (the current
// folder) without a window. Qt's own options (-platform, -style, ...) are left to the windows.

// Whether the arguments ask for the command line rather than the windows: any argument that
// begins with "--", or -h, -? or -v.
bool wantsCommandLine(int argc, char **argv);

// Runs the command the arguments give and returns the exit code: 0 when it was done, 1 when it
// was refused (the message on stderr, nothing written), 2 for arguments that make no command.
int runCommandLine(int argc, char **argv);
