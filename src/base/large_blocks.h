// LargeBlockAllocator: memory for the big arrays of a run (the rows, a file's bytes), asking the
// system for large pages where it offers them.
#pragma once

#include <cstddef>
#include <new>
#include <string_view>
#include <utility>

namespace quillon {

/// Blocks of at least this many bytes are large blocks.
inline constexpr std::size_t kLargeBlockBytes = 4u << 20;

/// `bytes` of memory, uninitialised; a large block is aligned and marked for large pages on
/// systems that have them, which spares most of the page faults of filling it. Throws
/// std::bad_alloc when there is no memory.
[[nodiscard]] void* allocateBlock(std::size_t bytes);
/// Frees what allocateBlock(`bytes`) returned.
void freeBlock(void* block, std::size_t bytes) noexcept;

/// A standard allocator over allocateBlock, for containers that grow to millions of elements.
template <class T>
struct LargeBlockAllocator {
    using value_type = T;

    LargeBlockAllocator() = default;
    template <class U>
    LargeBlockAllocator(const LargeBlockAllocator<U>&) noexcept  // NOLINT: rebinding
    {
    }

    [[nodiscard]] T* allocate(std::size_t n)
    {
        if (n > static_cast<std::size_t>(-1) / sizeof(T))
            throw std::bad_array_new_length();
        return static_cast<T*>(allocateBlock(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) noexcept { freeBlock(p, n * sizeof(T)); }

    template <class U>
    friend bool operator==(const LargeBlockAllocator&, const LargeBlockAllocator<U>&) noexcept
    {
        return true;
    }
};

/// Bytes of a size fixed when made, left uninitialised for a read to fill, freed with the
/// value.
class ByteBlock {
public:
    ByteBlock() = default;
    /// `size` uninitialised bytes; throws std::bad_alloc when there is no memory.
    explicit ByteBlock(std::size_t size)
        : m_data(size == 0 ? nullptr : static_cast<char*>(allocateBlock(size))), m_size(size)
    {
    }
    ByteBlock(ByteBlock&& other) noexcept
        : m_data(std::exchange(other.m_data, nullptr)), m_size(std::exchange(other.m_size, 0))
    {
    }
    ByteBlock& operator=(ByteBlock&& other) noexcept
    {
        if (this != &other) {
            release();
            m_data = std::exchange(other.m_data, nullptr);
            m_size = std::exchange(other.m_size, 0);
        }
        return *this;
    }
    ByteBlock(const ByteBlock&) = delete;
    ByteBlock& operator=(const ByteBlock&) = delete;
    ~ByteBlock() { release(); }

    [[nodiscard]] char* data() noexcept { return m_data; }
    [[nodiscard]] std::size_t size() const noexcept { return m_size; }
    [[nodiscard]] bool empty() const noexcept { return m_size == 0; }
    [[nodiscard]] std::string_view view() const noexcept { return {m_data, m_size}; }
    operator std::string_view() const noexcept { return view(); }  // NOLINT: reads as bytes

private:
    void release() noexcept
    {
        if (m_data != nullptr)
            freeBlock(m_data, m_size);
        m_data = nullptr;
        m_size = 0;
    }

    char* m_data = nullptr;
    std::size_t m_size = 0;
};

}  // namespace quillon
