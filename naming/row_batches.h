#pragma once
// Rows of list cells handed from a worker to whoever lists them, a batch at a time and in order.
#include <atomic>
#include <functional>
#include <string>
#include <vector>

using TextRow = std::vector<std::string>;
// Takes a batch of rows; false when they can no longer be listed (the window has closed), which
// ends the producer.
using RowBatchSink = std::function<bool(std::vector<TextRow>& rows)>;

// How many rows a producer gathers before handing them on.
constexpr size_t kRowBatchSize = 250;
