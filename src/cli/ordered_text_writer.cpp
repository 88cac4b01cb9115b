#include "cli/ordered_text_writer.h"

#include <algorithm>

OrderedTextWriter::OrderedTextWriter(std::FILE* out) : out_(out)
{
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    // One piece more than the workers format, so that none of them waits
    // for the caller to hand over the next.
    maxUnderWay_ = cores + 1;
    for (unsigned i = 0; i < cores; ++i)
        workers_.emplace_back([this] { work(); });
}

OrderedTextWriter::~OrderedTextWriter()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    workers_.clear();  // joins
}

void OrderedTextWriter::work()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || !toFormat_.empty(); });
        if (stopping_)
            return;
        Piece piece = std::move(toFormat_.front());
        toFormat_.pop_front();
        lock.unlock();
        const std::size_t used = piece.format(piece.buffer.bytes.get());
        lock.lock();
        // The pieces go out in the order they came in.
        changed_.wait(lock, [&] { return stopping_ || written_ == piece.number; });
        if (stopping_)
            return;
        lock.unlock();
        const bool ok = std::fwrite(piece.buffer.bytes.get(), 1, used, out_) == used;
        lock.lock();
        failed_ = failed_ || !ok;
        ++written_;
        spare_.push_back(std::move(piece.buffer));
        changed_.notify_all();
    }
}

void OrderedTextWriter::add(std::size_t maxBytes, Format format)
{
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return added_ - written_ < maxUnderWay_; });
        Piece piece{added_++, std::move(format), {}};
        const auto fits = std::find_if(spare_.begin(), spare_.end(),
                                       [&](const Buffer& b) { return b.size >= maxBytes; });
        if (fits != spare_.end()) {
            piece.buffer = std::move(*fits);
            spare_.erase(fits);
        } else {
            piece.buffer = {std::make_unique_for_overwrite<char[]>(maxBytes), maxBytes};
        }
        toFormat_.push_back(std::move(piece));
    }
    changed_.notify_all();
}

bool OrderedTextWriter::finish()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return written_ == added_; });
    return !failed_;
}
