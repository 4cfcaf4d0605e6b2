// A COM stream over a movable global memory block, the way images travel between byte sets and GDI+.
// One owner: movable, never copied implicitly; MemoryStream_Copy makes an independent block.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <cstddef>
#include <optional>

#include "toolkit/text.h"

class MemoryStream {
public:
    MemoryStream() = default;
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;
    MemoryStream(MemoryStream&& other) noexcept;
    MemoryStream& operator=(MemoryStream&& other) noexcept;
    ~MemoryStream();

private:
    friend IStream* MemoryStream_FromBytes(MemoryStream&, ByteView, std::optional<std::size_t>);
    friend void MemoryStream_Release(MemoryStream&);
    friend IStream* MemoryStream_Stream(const MemoryStream&);
    friend HGLOBAL MemoryStream_Block(const MemoryStream&);
    friend bool MemoryStream_Attach(MemoryStream&, IStream*);
    friend std::size_t MemoryStream_Size(const MemoryStream&);

    IStream* stream_ = nullptr;
    bool ownsBlock_ = false; // the block was allocated here and is freed here
};

// Replaces what the stream held with a new zero-initialised block of size bytes (default: the length of bytes)
// holding the bytes (cut to size when longer) and a stream on it positioned at its start. The stream interface,
// or null when memory or the stream could not be had.
IStream* MemoryStream_FromBytes(MemoryStream& stream, ByteView bytes, std::optional<std::size_t> size = {});
// Releases the stream interface and frees the block it was made on.
void MemoryStream_Release(MemoryStream& stream);
// Number of bytes the stream holds (what has been written to it, not the allocation's rounded size).
std::size_t MemoryStream_Size(const MemoryStream& stream);
IStream* MemoryStream_Stream(const MemoryStream& stream);
HGLOBAL MemoryStream_Block(const MemoryStream& stream);
// Releases the current stream and takes over the caller's reference to stream. True when stream lives on a
// global memory block. The block of an attached stream belongs to whoever made the stream and is not freed here.
bool MemoryStream_Attach(MemoryStream& stream, IStream* attached);
// The bytes the stream holds; empty without a stream.
Bytes MemoryStream_ToBytes(const MemoryStream& stream);
// Gives copy a block of its own holding the same bytes. False when source holds no stream or memory ran out.
bool MemoryStream_Copy(const MemoryStream& source, MemoryStream& copy);
