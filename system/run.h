// Starting programs. A program path is always put in quotation marks before
// it reaches the platform, so that C:\Program Files\x\a.exe cannot start
// C:\Program.exe instead.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace vd {

// The program path in quotation marks, unless it starts with one already.
std::string QuoteProgramPath(std::string_view programPath);

// The command line: the quoted program path, then a blank and the arguments
// when there are any.
std::string ProgramCommandLine(std::string_view programPath, std::string_view arguments = {});

// Starts the program shown (visible) or hidden and does not wait for it.
// False when it could not be started.
bool RunProgram(std::string_view programPath, bool visible, std::string_view arguments = {});

// Starts the program with the show command (1 = normal window) in a new
// console, waits for it to end without a time limit and returns its exit
// code; -1 when it cannot be started. Meanwhile the calling thread answers
// messages sent to its windows (a program that broadcasts a setting change
// does not hang), repaints them and runs their posted messages, but drops
// keyboard and mouse input and keeps the dialog owner disabled: the wizard
// stays painted and takes no input until the program ends. Command lines of
// any length are accepted.
int32_t RunAndWait(std::string_view programPath, uint16_t showCommand, std::string_view arguments = {});

}  // namespace vd
