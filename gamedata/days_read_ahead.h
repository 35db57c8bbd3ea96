#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "gamedata/house_days.h"

namespace gamedata {

// Reads the days of house files, in the order given, on two threads of its
// own, while the days pass gets to them: under Wine each open costs
// several round trips to the wine server, and two in flight hide much of
// that wait. Only ReadDays runs on the threads; everything else stays on
// the caller's.
//
// The days pass takes each row's days with DaysIn, in row order. A file that
// was in the list is opened once, by whichever side gets to it first; a file
// that was not is read there and then. Reading ahead stops at the first file
// in the list that is missing, since the pass stops there too; a pass that
// still gets past it (its row now names another file) reads the rest itself.
class DaysReadAhead {
public:
    using Reader = std::function<std::optional<std::int16_t>(const std::string& houseFile)>;

    // reader is ReadDays but in tests, which watch what is opened.
    explicit DaysReadAhead(const std::vector<std::string>& houseFiles, Reader reader = &ReadDays);
    // Lets a read in progress finish and waits for the threads.
    ~DaysReadAhead();
    DaysReadAhead(const DaysReadAhead&) = delete;
    DaysReadAhead& operator=(const DaysReadAhead&) = delete;

    // The reader's answer for houseFile, taken from what was read ahead where it can be.
    std::optional<std::int16_t> DaysIn(const std::string& houseFile);

private:
    enum class State { Waiting, Reading, Read };
    struct Entry {
        std::string houseFile;
        State state = State::Waiting;
        std::optional<std::int16_t> days;
    };

    void ReadAhead();
    // Reads the entry without the lock held; the lock is held again after.
    void Read(Entry& entry, std::unique_lock<std::mutex>& lock);

    Reader reader_;
    std::vector<Entry> entries_;
    std::unordered_map<std::string, std::size_t> entryOf_;
    std::mutex mutex_;
    std::condition_variable entryRead_;
    std::size_t next_ = 0;
    bool missingFound_ = false;
    bool stopping_ = false;
    std::vector<std::thread> readers_;
};

}  // namespace gamedata
