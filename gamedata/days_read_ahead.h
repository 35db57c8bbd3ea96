#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
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
//
// Reading ahead only saves time, so none of its failures is the pass's: a
// thread that does not start, or a read that throws on one, leaves the files
// concerned for DaysIn to read on the caller's thread, where a failure is
// reported as it would be without reading ahead.
class DaysReadAhead {
public:
    using Reader = std::function<std::optional<std::int16_t>(const std::string& houseFile)>;
    using ThreadStarter = std::function<std::thread(std::function<void()> work)>;

    // reader is ReadDays and startThread std::thread's constructor but in
    // tests, which watch what is opened and make threads fail to start.
    explicit DaysReadAhead(const std::vector<std::string>& houseFiles, Reader reader = &ReadDays,
                           ThreadStarter startThread = &StartThread);
    // Stops reading ahead first.
    ~DaysReadAhead();
    DaysReadAhead(const DaysReadAhead&) = delete;
    DaysReadAhead& operator=(const DaysReadAhead&) = delete;

    // Reading ahead of the files listHouseFiles names, or nothing when
    // listing them or setting up throws; the pass then reads every file
    // itself.
    static std::unique_ptr<DaysReadAhead> StartOrNothing(
        const std::function<std::vector<std::string>()>& listHouseFiles, Reader reader = &ReadDays,
        ThreadStarter startThread = &StartThread) noexcept;

    // The reader's answer for houseFile, taken from what was read ahead where
    // it can be. When the answer is that the file is missing, the pass stops:
    // so does reading ahead, before this returns, and no house file is opened
    // while the pass tells the user.
    std::optional<std::int16_t> DaysIn(const std::string& houseFile);

private:
    enum class State { Waiting, Reading, Read };
    struct Entry {
        std::string houseFile;
        State state = State::Waiting;
        std::optional<std::int16_t> days;
    };

    static std::thread StartThread(std::function<void()> work);
    void ReadAhead() noexcept;
    // Reads the entry without the lock held; the lock is held again after.
    void Read(Entry& entry, std::unique_lock<std::mutex>& lock);
    // Lets a read in progress finish and waits for the threads.
    void StopReadingAhead();

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
