#pragma once
// The news of the table for a player who follows the game by ear. The game adds a sentence for
// each thing it does as it does it (a tile laid, a draw, the turn coming back); the sentences of
// one event reach the screen reader together once the event is over. A message box that the
// event opened is read first, as it opens, and the news of the whole event after it: a screen
// reader cuts off what it is saying for news, and would cut off the box. A key's answer is
// spoken at once.
#include <string>

#include "platform/services.h"

namespace brackwell {

class TableNews {
  public:
    explicit TableNews(plat::Services& sys) : sys_(sys) {}

    void add(const std::string& sentence);
    // Speaks what was added since the last flush, as one announcement; it becomes the last news.
    void flush();
    // The last news spoken, again.
    void repeat();
    // A key's answer: spoken at once, and not kept as news.
    void answer(const std::string& words);
    const std::string& last() const { return last_; }

  private:
    plat::Services& sys_;
    std::string pending_, last_;
};

}  // namespace brackwell
