#include "image/memory_stream.h"

#include <algorithm>
#include <cstring>
#include <utility>

MemoryStream::MemoryStream(MemoryStream&& other) noexcept
    : stream_(std::exchange(other.stream_, nullptr)), ownsBlock_(std::exchange(other.ownsBlock_, false)) {}

MemoryStream& MemoryStream::operator=(MemoryStream&& other) noexcept {
    if (this != &other) {
        MemoryStream_Release(*this);
        stream_ = std::exchange(other.stream_, nullptr);
        ownsBlock_ = std::exchange(other.ownsBlock_, false);
    }
    return *this;
}

MemoryStream::~MemoryStream() { MemoryStream_Release(*this); }

IStream* MemoryStream_FromBytes(MemoryStream& stream, ByteView bytes, std::optional<std::size_t> size) {
    MemoryStream_Release(stream);
    std::size_t blockSize = size.value_or(bytes.size());
    // An empty block is left to the stream to allocate: a zero-sized movable block has no address to lock.
    HGLOBAL block = nullptr;
    if (blockSize > 0) {
        block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, blockSize);
        if (!block) return nullptr;
        void* address = GlobalLock(block);
        if (!address) {
            GlobalFree(block);
            return nullptr;
        }
        std::memcpy(address, bytes.data(), std::min(blockSize, bytes.size()));
        GlobalUnlock(block);
    }
    IStream* created = nullptr;
    if (FAILED(CreateStreamOnHGlobal(block, FALSE, &created)) || !created) {
        if (block) GlobalFree(block);
        return nullptr;
    }
    stream.stream_ = created;
    stream.ownsBlock_ = true;
    return created;
}

void MemoryStream_Release(MemoryStream& stream) {
    if (!stream.stream_) return;
    // The stream may have moved its block while growing; ask it for the block it has now.
    HGLOBAL block = stream.ownsBlock_ ? MemoryStream_Block(stream) : nullptr;
    std::exchange(stream.stream_, nullptr)->Release();
    if (block) GlobalFree(block);
    stream.ownsBlock_ = false;
}

std::size_t MemoryStream_Size(const MemoryStream& stream) {
    STATSTG stat{};
    if (stream.stream_ && SUCCEEDED(stream.stream_->Stat(&stat, STATFLAG_NONAME)))
        return static_cast<std::size_t>(stat.cbSize.QuadPart);
    return 0;
}

IStream* MemoryStream_Stream(const MemoryStream& stream) { return stream.stream_; }

HGLOBAL MemoryStream_Block(const MemoryStream& stream) {
    HGLOBAL block = nullptr;
    if (stream.stream_ && FAILED(GetHGlobalFromStream(stream.stream_, &block))) return nullptr;
    return block;
}

bool MemoryStream_Attach(MemoryStream& stream, IStream* attached) {
    MemoryStream_Release(stream);
    stream.stream_ = attached;
    stream.ownsBlock_ = false;
    return MemoryStream_Block(stream) != nullptr;
}

Bytes MemoryStream_ToBytes(const MemoryStream& stream) {
    HGLOBAL block = MemoryStream_Block(stream);
    std::size_t size = std::min<std::size_t>(MemoryStream_Size(stream), block ? GlobalSize(block) : 0);
    if (size == 0) return {};
    auto* address = static_cast<const unsigned char*>(GlobalLock(block));
    if (!address) return {};
    Bytes bytes(address, address + size);
    GlobalUnlock(block);
    return bytes;
}

bool MemoryStream_Copy(const MemoryStream& source, MemoryStream& copy) {
    if (&source == &copy) return MemoryStream_Stream(source) != nullptr;
    if (!MemoryStream_Stream(source)) {
        MemoryStream_Release(copy);
        return false;
    }
    Bytes bytes = MemoryStream_ToBytes(source);
    return MemoryStream_FromBytes(copy, bytes) != nullptr;
}
