#pragma once
// Files written behind the caller's back. While a WriteBehind scope lives on
// a thread, WriteFileBehind on that thread hands the file to a worker that
// writes it (whole or not at all, as WriteFileBytes does) while the caller
// goes on; without a scope it writes at once. A compile creates thousands of
// pages, and creating a file is mostly the file system's work: this way it
// runs on a second core while the next page is made.
//
// The files are written in the order given. At most a few dozen wait at a
// time; a caller that is faster than the disk waits for room. Finish waits
// until every file is written and raises the first failure, naming its file;
// a scope that ends without Finish (a failure is on its way already) waits as
// well and raises nothing. A failure is also raised early, by the next file
// handed over, and then too it names its own file, not the one being handed.
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

#include "base/Exception.h"

namespace lorivex::platform {

// A file written behind the caller's back could not be written.
class EWriteBehind : public Exception {
public:
    using Exception::Exception;
};

class WriteBehind {
public:
    WriteBehind();
    ~WriteBehind();
    WriteBehind(const WriteBehind&) = delete;
    WriteBehind& operator=(const WriteBehind&) = delete;

    void Finish();

private:
    friend void WriteFileBehind(const std::string& path, std::string bytes);
    void Queue(const std::string& path, std::string bytes);
    void Work();
    void Stop();
    void RaiseFailure();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::pair<std::string, std::string>> waiting_;
    bool stopping_ = false;
    std::string failure_; // the first, empty while there is none
    WriteBehind* outer_;  // the thread's scope before this one
    std::thread worker_;
};

void WriteFileBehind(const std::string& path, std::string bytes);

} // namespace lorivex::platform
