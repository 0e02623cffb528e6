#include "table/table_news.h"

namespace brackwell {

void TableNews::add(const std::string& sentence) {
    if (sentence.empty()) return;
    pending_ += (pending_.empty() ? "" : " ") + sentence;
}

void TableNews::flush() {
    if (pending_.empty()) return;
    last_ = std::move(pending_);
    pending_.clear();
    sys_.announce(last_);
}

void TableNews::repeat() {
    sys_.announce(last_.empty() ? "No news yet." : last_);
}

void TableNews::answer(const std::string& words) {
    sys_.announce(words);
}

}  // namespace brackwell
