#pragma once
// The monkey: random mouse moves, clicks, drags and keys over the real program, headless on a
// virtual clock. Where the program waits in a loop of its own (a message box, the completion
// dialog, the puzzle's paced shuffle), the monkey goes on feeding it input from inside that loop,
// as a user would. The program ending is answered by a restart; so is every change of the settings
// file, after the file has been decoded.
//
// It fails on a run-time error that escapes a handler, on a hang (too many idle passes or too much
// virtual time for one event, or a minute of real time without progress), on a settings file that
// does not decode and on a program that does not start again. Sanitizer errors end the process;
// the seed and the last events are printed first.
#include <cstdint>
#include <string>

namespace monkey {

struct Options {
    uint64_t seed = 1;
    long events = 3000;
};

// The options from WO_MONKEY_SEED (a number, or "random") and WO_MONKEY_EVENTS, with the given
// defaults where they are not set.
Options FromEnvironment(const Options& defaults);

struct Outcome {
    bool ok = true;
    std::string failure; // what went wrong, with the seed and the last events
    long events = 0;     // events delivered, counting those fed to the program's own loops
    long restarts = 0;
    long settingsChanges = 0; // settings files decoded and restarted with
    std::string reached;      // the forms and boxes seen, for the log
};

// Runs the monkey in a fresh program folder (the built media linked in, the default settings).
Outcome Run(const Options& options);

} // namespace monkey
