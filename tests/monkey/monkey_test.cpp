// The monkey over the whole program: a short run by default (CI), as long as WO_MONKEY_EVENTS
// asks (WO_MONKEY_SEED replays a run; "random" picks a new seed).
#include "tests/monkey/monkey.h"

#include <gtest/gtest.h>

namespace {

TEST(Monkey, RandomInputOverEveryScreenKeepsTheProgramWhole) {
    monkey::Options defaults;
    defaults.seed = 20261211;
    defaults.events = 3000;
    const monkey::Options options = monkey::FromEnvironment(defaults);
    const monkey::Outcome out = monkey::Run(options);
    EXPECT_TRUE(out.ok) << out.failure;
    std::printf("monkey: %ld events, %ld restarts, %ld settings changes; reached:\n%s", out.events,
                out.restarts, out.settingsChanges, out.reached.c_str());
}

} // namespace
