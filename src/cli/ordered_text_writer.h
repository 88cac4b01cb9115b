// Text formatted on worker threads and written to a stream in the order the
// pieces were handed in. Formatting numbers is most of the time of a large
// output, so the pieces are formatted side by side, one worker per core,
// while the caller goes on (integrating the next stretch of an orbit, say).
// Each worker writes its piece as soon as the pieces before it are written;
// at most a few pieces are under way at a time and their buffers are used
// again, so the memory stays small and fresh whatever the output's length.
#pragma once

#include <condition_variable>
#include <cstdio>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class OrderedTextWriter {
public:
    // Writes the text of a piece at the start of the buffer it is given and
    // returns the number of characters written.
    using Format = std::function<std::size_t(char*)>;

    explicit OrderedTextWriter(std::FILE* out);
    OrderedTextWriter(const OrderedTextWriter&) = delete;
    OrderedTextWriter& operator=(const OrderedTextWriter&) = delete;
    // Stops the workers; pieces not yet written by finish() are dropped.
    ~OrderedTextWriter();

    // Queues one piece of at most maxBytes characters. Blocks while too many
    // pieces are under way.
    void add(std::size_t maxBytes, Format format);
    // Waits until every piece is written; false when any write failed.
    bool finish();

private:
    struct Buffer {
        std::unique_ptr<char[]> bytes;
        std::size_t size = 0;
    };
    struct Piece {
        std::size_t number = 0;
        Format format;
        Buffer buffer;
    };

    void work();

    std::FILE* out_;
    std::size_t maxUnderWay_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Piece> toFormat_;
    std::vector<Buffer> spare_;
    std::size_t added_ = 0;
    std::size_t written_ = 0;
    bool failed_ = false;
    bool stopping_ = false;
    std::vector<std::jthread> workers_;
};
