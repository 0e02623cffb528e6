#include "support/scripted_player.h"

namespace brackwell::testing {
namespace {

TEST(SelfPlay, GamesRunToTheEndAtOneHundredAndOne) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        Table t(seed);
        ScriptedPlayer player(t, seed);
        try {
            t.form.Form_Load();
            for (int step = 0; step < 200000 && !t.sys.ended; ++step) {
                player.act();
                t.sys.runFor(20);
            }
        } catch (const plat::ProgramEnded&) {
        }
        EXPECT_TRUE(t.sys.ended) << "seed " << seed << " at " << t.sys.now() << " ms, status "
                                 << t.form.lStatus.caption();
        const long long c = t.val(t.form.compscore), p = t.val(t.form.playerscore);
        EXPECT_TRUE(c >= 101 || p >= 101) << c << " " << p;
    }
}

}  // namespace
}  // namespace brackwell::testing
