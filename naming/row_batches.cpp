#include "row_batches.h"

RowBatcher::RowBatcher(const RowBatchSink& sink) : sink_(sink), last_(std::chrono::steady_clock::now()) {}

bool RowBatcher::Add(TextRow row)
{
    rows_.push_back(std::move(row));
    return std::chrono::steady_clock::now() - last_ < kRowBatchInterval || HandOn();
}

bool RowBatcher::Finish()
{
    return rows_.empty() || HandOn();
}

bool RowBatcher::HandOn()
{
    const bool taken = sink_(rows_);
    rows_.clear();
    last_ = std::chrono::steady_clock::now();
    return taken;
}
