#include "gamedata/days_read_ahead.h"

#include <utility>

namespace gamedata {
namespace {

// Measured under Wine: a second reader halves the wait on an idle machine,
// a third adds nothing.
constexpr int kReaders = 2;

}  // namespace

DaysReadAhead::DaysReadAhead(const std::vector<std::string>& houseFiles, Reader reader,
                             ThreadStarter startThread)
    : reader_(std::move(reader)) {
    entries_.reserve(houseFiles.size());
    for (const std::string& houseFile : houseFiles) {
        // Two rows on one lot share one read.
        if (entryOf_.emplace(houseFile, entries_.size()).second) {
            entries_.push_back(Entry{houseFile, State::Waiting, std::nullopt});
        }
    }
    if (entries_.empty()) {
        return;
    }
    // Reserved first, so that a started thread always finds its place: one
    // left in a temporary would end the program when that went.
    readers_.reserve(kReaders);
    try {
        for (int reader = 0; reader < kReaders; ++reader) {
            readers_.push_back(startThread([this] { ReadAhead(); }));
        }
    } catch (...) {
        // Fewer readers, or none; the pass reads whatever they do not.
    }
}

DaysReadAhead::~DaysReadAhead() {
    StopReadingAhead();
}

std::unique_ptr<DaysReadAhead> DaysReadAhead::StartOrNothing(
    const std::function<std::vector<std::string>()>& listHouseFiles, Reader reader,
    ThreadStarter startThread) noexcept {
    try {
        return std::make_unique<DaysReadAhead>(listHouseFiles(), std::move(reader),
                                               std::move(startThread));
    } catch (...) {
        return nullptr;
    }
}

std::thread DaysReadAhead::StartThread(std::function<void()> work) {
    return std::thread(std::move(work));
}

std::optional<std::int16_t> DaysReadAhead::DaysIn(const std::string& houseFile) {
    std::optional<std::int16_t> days;
    const auto found = entryOf_.find(houseFile);
    if (found == entryOf_.end()) {
        days = reader_(houseFile);
    } else {
        std::unique_lock<std::mutex> lock(mutex_);
        Entry& entry = entries_[found->second];
        // A reader that failed hands its entry back as Waiting.
        entryRead_.wait(lock, [&] { return entry.state != State::Reading; });
        if (entry.state == State::Waiting) {
            Read(entry, lock);
        }
        days = entry.days;
    }
    if (!days) {
        StopReadingAhead();
    }
    return days;
}

void DaysReadAhead::ReadAhead() noexcept {
    try {
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            while (next_ < entries_.size() && entries_[next_].state != State::Waiting) {
                ++next_;
            }
            if (stopping_ || missingFound_ || next_ == entries_.size()) {
                return;
            }
            Read(entries_[next_++], lock);
        }
    } catch (...) {
        // Read has handed the entry back and stopped the others.
    }
}

void DaysReadAhead::Read(Entry& entry, std::unique_lock<std::mutex>& lock) {
    entry.state = State::Reading;
    lock.unlock();
    std::optional<std::int16_t> days;
    try {
        days = reader_(entry.houseFile);
    } catch (...) {
        lock.lock();
        // What fails once would likely fail again: nothing more is read
        // ahead, and the entry goes back to the pass, which reads it itself
        // and meets the failure, if it is one, where it can report it.
        entry.state = State::Waiting;
        stopping_ = true;
        entryRead_.notify_all();
        throw;
    }
    lock.lock();
    entry.days = days;
    entry.state = State::Read;
    missingFound_ = missingFound_ || !days;
    entryRead_.notify_all();
}

void DaysReadAhead::StopReadingAhead() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    for (std::thread& reader : readers_) {
        if (reader.joinable()) {
            reader.join();
        }
    }
}

}  // namespace gamedata
