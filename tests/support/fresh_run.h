#pragma once
// The program's module state as a fresh process has it, for fixtures that start the program
// several times in one test process.
namespace testsupport {
void ResetProgramState();
}
