#include "gdiplus/hglobal_stream.h"

#include <algorithm>
#include <cstring>

HGlobalStream::~HGlobalStream() { ReleaseStream(); }

IStream* HGlobalStream::CreateStreamFromBytes(const std::string& data, int length)
{
    ReleaseStream();
    const size_t size = length < 0 ? data.size() : std::min(static_cast<size_t>(length), data.size());
    // A zero-size movable block is a discarded one; give the stream a real block and size it to 0.
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size ? size : 1);
    if (!block)
        return nullptr;
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(block, FALSE, &stream)) || !stream) {
        GlobalFree(block);
        return nullptr;
    }
    if (size == 0) {
        ULARGE_INTEGER empty = {};
        stream->SetSize(empty);
    } else if (void* bytes = GlobalLock(block)) {
        std::memcpy(bytes, data.data(), size);
        GlobalUnlock(block);
    }
    block_ = block;
    stream_ = stream;
    ownsBlock_ = true;
    return stream_;
}

void HGlobalStream::ReleaseStream()
{
    if (!stream_)
        return;
    stream_->Release();
    if (ownsBlock_ && block_)
        GlobalFree(block_);
    stream_ = nullptr;
    block_ = nullptr;
    ownsBlock_ = false;
}

size_t HGlobalStream::GetBlockSize() const { return block_ ? GlobalSize(block_) : 0; }

bool HGlobalStream::AttachStream(IStream* stream)
{
    ReleaseStream();
    if (!stream)
        return false;
    HGLOBAL block = nullptr;
    GetHGlobalFromStream(stream, &block);
    stream_ = stream;
    block_ = block;
    ownsBlock_ = false;
    return block_ != nullptr;
}

std::string HGlobalStream::GetStreamBytes() const
{
    if (!block_)
        return std::string();
    size_t size = GlobalSize(block_);
    STATSTG stat = {};
    if (stream_ && SUCCEEDED(stream_->Stat(&stat, STATFLAG_NONAME)))
        size = std::min(size, static_cast<size_t>(stat.cbSize.QuadPart));
    if (size == 0)
        return std::string();
    const void* bytes = GlobalLock(block_);
    if (!bytes)
        return std::string();
    std::string copy(static_cast<const char*>(bytes), size);
    GlobalUnlock(block_);
    return copy;
}
