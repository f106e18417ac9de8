#pragma once
// A keyed set of texts, compared exactly. Safe to use from several threads.
#include <mutex>
#include <string>
#include <unordered_set>

class TextSet {
public:
    // Adds the text; false when it was already present.
    bool Add(const std::string& text);
    bool Contains(const std::string& text) const;
    bool Remove(const std::string& text);
    size_t Count() const;
    void Clear();

private:
    mutable std::mutex lock_;
    std::unordered_set<std::string> texts_;
};
