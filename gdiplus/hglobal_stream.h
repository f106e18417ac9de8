#pragma once
// An in-memory COM stream over one movable global memory block: picture bytes become a stream GDI+
// decodes from (and that must outlive the decoded image), and what GDI+ encodes into a stream becomes
// byte data again. The object owns one stream reference and the block it made.
#include <windows.h>
#include <objidl.h>

#include <cstddef>
#include <string>

class HGlobalStream {
public:
    HGlobalStream() = default;
    ~HGlobalStream();
    HGlobalStream(const HGlobalStream&) = delete;
    HGlobalStream& operator=(const HGlobalStream&) = delete;

    // A new stream holding a copy of the bytes (all of them, or the first length bytes when a
    // length is given; a longer length is cut to the data). Without data, an empty stream for GDI+
    // to write into. What the object held before is released first. Null when no stream was made.
    IStream* CreateStreamFromBytes(const std::string& data = std::string(), int length = -1);
    // Releases the stream, then frees the block the object made. Nothing when empty.
    void ReleaseStream();
    size_t GetBlockSize() const;
    IStream* GetStreamPointer() const { return stream_; }
    HGLOBAL GetGlobalHandle() const { return block_; }
    // Takes over the caller's reference to a stream over a global block (false when there is no
    // such block). The block stays the stream's: it is freed by the stream's own release rule.
    bool AttachStream(IStream* stream);
    // Every byte the stream holds (its size, not the block's), without moving its position.
    std::string GetStreamBytes() const;

private:
    HGLOBAL block_ = nullptr;
    IStream* stream_ = nullptr;
    bool ownsBlock_ = false;
};
