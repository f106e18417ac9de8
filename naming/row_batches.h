#pragma once
// Rows of list cells handed from a worker to whoever lists them, a batch at a time and in order.
#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

using TextRow = std::vector<std::string>;
// Takes a batch of rows; false when they can no longer be listed (the window has closed), which
// ends the producer.
using RowBatchSink = std::function<bool(std::vector<TextRow>& rows)>;

// Gathers rows and hands them on at most every kRowBatchInterval, and the rest at the end. Few
// hand-offs matter: a list view redraws all its rows after each one.
class RowBatcher {
public:
    static constexpr std::chrono::milliseconds kRowBatchInterval{250};

    explicit RowBatcher(const RowBatchSink& sink);
    // Adds a row; false when the sink refused a batch.
    bool Add(TextRow row);
    // Hands on the rows not yet handed on; false when the sink refused them.
    bool Finish();

private:
    bool HandOn();

    const RowBatchSink& sink_;
    std::vector<TextRow> rows_;
    std::chrono::steady_clock::time_point last_;
};
