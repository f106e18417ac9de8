#include "textset.h"

bool TextSet::Add(const std::string& text)
{
    std::lock_guard<std::mutex> guard(lock_);
    return texts_.insert(text).second;
}

bool TextSet::Contains(const std::string& text) const
{
    std::lock_guard<std::mutex> guard(lock_);
    return texts_.count(text) != 0;
}

bool TextSet::Remove(const std::string& text)
{
    std::lock_guard<std::mutex> guard(lock_);
    return texts_.erase(text) != 0;
}

size_t TextSet::Count() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return texts_.size();
}

void TextSet::Clear()
{
    std::lock_guard<std::mutex> guard(lock_);
    texts_.clear();
}
