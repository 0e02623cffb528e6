#include "platform/headless/headless_platform.h"

#include <algorithm>
#include <limits>

#include "platform/timer.h"

namespace plat::headless {

namespace {
constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();

std::string relativeTo(const std::string& folder, const std::string& path) {
    if (path.rfind(folder + "/", 0) != 0) return {};
    return path.substr(folder.size() + 1);
}

struct Depth {
    int& depth;
    explicit Depth(int& d) : depth(d) { ++depth; }
    ~Depth() { --depth; }
};
}  // namespace

HeadlessPlatform::HeadlessPlatform(std::int32_t firstTick, std::uint64_t seed)
    : firstTick_(firstTick), seed_(seed), random_(seed) {}

void HeadlessPlatform::attach(Form& form) {
    form_ = &form;
    form.bind(this);
    for (Timer* t : form.timers())
        timerChanged(*t);
}

// --- clock and events

void HeadlessPlatform::runFor(std::int64_t ms) {
    runUntil(now_ + ms);
}

void HeadlessPlatform::runUntil(std::int64_t deadline) {
    processEvents();
    while (now_ < deadline) {
        now_ = std::max(now_, std::min(deadline, nextDue()));
        processEvents();
    }
}

std::int64_t HeadlessPlatform::nextDue() const {
    std::int64_t next = kNever;
    for (const auto& [timer, due] : timerDue_) {
        if (timer->enabled() && !timer->running() && due > now_) next = std::min(next, due);
    }
    for (const Posted& p : posted_) {
        if (p.due > now_) next = std::min(next, p.due);
    }
    return next;
}

void HeadlessPlatform::post(std::function<void()> event, std::int64_t delayMs) {
    posted_.push_back({now_ + delayMs, postOrder_++, std::move(event)});
}

// Runs the posted events that are due, then the timers that are due, then the test's hook.
void HeadlessPlatform::processEvents() {
    Depth d(depth_);
    while (!posted_.empty()) {
        auto due = std::find_if(posted_.begin(), posted_.end(),
                                [&](const Posted& p) { return p.due <= now_; });
        if (due == posted_.end()) break;
        auto event = std::move(due->event);
        posted_.erase(due);
        event();
    }
    if (form_) {
        for (Timer* t : form_->timers()) {
            auto it = timerDue_.find(t);
            if (it == timerDue_.end() || !t->enabled() || t->running() || it->second > now_)
                continue;
            it->second = now_ + t->interval();
            t->fire();
        }
    }
    if (onEvents) onEvents(depth_);
}

void HeadlessPlatform::doEvents(Where where) {
    maybeFail(Service::DoEvents, where);
    processEvents();
}

void HeadlessPlatform::waitEvents(int maxMs, Where where) {
    maybeFail(Service::WaitEvents, where);
    runUntil(now_ + std::max(0, maxMs));
}

int HeadlessPlatform::msToNextFrame() {
    if (framePeriodMs <= 0) return 0;
    return static_cast<int>(framePeriodMs - now_ % framePeriodMs);  // the one now is painted
}

void HeadlessPlatform::msgBox(const std::string& text, int style, const std::string& title,
                              Where where) {
    maybeFail(Service::MsgBox, where);
    messages.push_back({text, style, title.empty() ? title_ : title, now_});
    const MessageRecord shown = messages.back();
    Depth modal(modal_);
    if (onMessageBox) onMessageBox(shown);
    runUntil(now_ + messageBoxOpenMs);
}

std::int32_t HeadlessPlatform::tickCount(Where where) {
    maybeFail(Service::TickCount, where);
    const auto ticks = static_cast<std::uint32_t>(firstTick_) + static_cast<std::uint32_t>(now_);
    return static_cast<std::int32_t>(ticks);
}

void HeadlessPlatform::timerChanged(Timer& timer) {
    if (timer.enabled()) timerDue_[&timer] = now_ + timer.interval();
}

void HeadlessPlatform::controlChanged(Control& control, unsigned what) {
    if (recordChanges) changes.emplace_back(&control, what);
}

// --- random

void HeadlessPlatform::randomize(Where where) {
    maybeFail(Service::Randomize, where);
    random_.seed(seed_ ^ static_cast<std::uint64_t>(now_));
}

double HeadlessPlatform::rnd(Where where) {
    maybeFail(Service::Rnd, where);
    if (!scripted_.empty()) {
        const double v = scripted_.front();
        scripted_.pop_front();
        return v;
    }
    return std::uniform_real_distribution<double>(0.0, 1.0)(random_);
}

void HeadlessPlatform::scriptRandom(std::vector<double> values) {
    scripted_.assign(values.begin(), values.end());
}

// --- sound, end

void HeadlessPlatform::playSound(const std::string& path, int flags, Where where) {
    maybeFail(Service::PlaySound, where);
    sounds.push_back({path, flags});
}

void HeadlessPlatform::endProgram() {
    ended = true;
    throw ProgramEnded{};
}

// --- files

void HeadlessPlatform::addFile(const std::string& relative, FileKind kind) {
    files_[relative] = kind;
}

const FileKind* HeadlessPlatform::fileAt(const std::string& path) const {
    auto it = files_.find(relativeTo(folder(), path));
    return it == files_.end() ? nullptr : &it->second;
}

std::string HeadlessPlatform::dir(const std::string& path, Where where) {
    maybeFail(Service::Dir, where);
    const FileKind* kind = fileAt(path);
    if (!kind || *kind == FileKind::Directory) return {};
    return path.substr(path.rfind('/') + 1);
}

std::optional<std::int64_t> HeadlessPlatform::fileDateTime(const std::string& path, Where where) {
    maybeFail(Service::FileDateTime, where);
    if (!fileAt(path)) return std::nullopt;
    return 0;
}

std::optional<PointerHandle> HeadlessPlatform::loadPointer(const std::string& path, Where where) {
    maybeFail(Service::LoadPointer, where);
    const FileKind* kind = fileAt(path);
    if (!kind || *kind != FileKind::Plain) return std::nullopt;
    return 1;
}

bool HeadlessPlatform::applySkin(const SkinSettings& skin, Form&, Where where) {
    maybeFail(Service::ApplySkin, where);
    const FileKind* kind = fileAt(skin.file);
    if (!kind || *kind != FileKind::Plain) return false;
    skinApplied = skin;
    return true;
}

// --- failures

void HeadlessPlatform::failNext(Service service, std::string description, int skip) {
    failures_[service].push_back({skip, std::move(description)});
}

void HeadlessPlatform::maybeFail(Service service, Where where) {
    auto it = failures_.find(service);
    if (it == failures_.end() || it->second.empty()) return;
    Failure& f = it->second.front();
    if (f.skip-- > 0) return;
    const std::string description = f.description;
    it->second.erase(it->second.begin());
    failedAt = where;
    throw AppFailure(description, where);
}

}  // namespace plat::headless
