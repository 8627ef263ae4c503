#include "byte_string.h"

#include "fatal_error.h"

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

// Blocks hold their header words in the machine's order, and the build writes
// the embedded pictures' headers little-endian.
static_assert(std::endian::native == std::endian::little);

namespace toolkit {

namespace {

AllocationFailure& failure_for_testing()
{
    static AllocationFailure fails;
    return fails;
}

bool refused(std::size_t bytes) { return failure_for_testing() && failure_for_testing()(bytes); }

[[noreturn]] void storage_exhausted(std::size_t bytes)
{
    char message[96];
    std::snprintf(message, sizeof message, "分配 %d 字节内存失败!",
                  static_cast<int>(std::min<std::size_t>(bytes, std::numeric_limits<int>::max())));
    fatal_error(message);
}

const std::uint32_t* header(const void* block) { return static_cast<const std::uint32_t*>(block); }

} // namespace

void set_allocation_failure_for_testing(AllocationFailure fails) { failure_for_testing() = std::move(fails); }

void* allocate_block(std::size_t bytes)
{
    void* block = refused(bytes) ? nullptr : std::malloc(bytes == 0 ? 1 : bytes);
    if (!block)
        storage_exhausted(bytes);
    return block;
}

void* reallocate_block(void* block, std::size_t bytes)
{
    void* resized = refused(bytes) ? nullptr : std::realloc(block, bytes == 0 ? 1 : bytes);
    if (!resized)
        storage_exhausted(bytes);
    return resized;
}

void release_block(void* block) { std::free(block); }

std::uint32_t element_count(const void* block)
{
    if (!block)
        return 0;
    std::uint32_t dimensions = header(block)[0];
    if (dimensions == 0)
        return 0;
    std::uint32_t count = 1;
    for (std::uint32_t i = 0; i < dimensions; ++i)
        count *= header(block)[1 + i];
    return count;
}

std::uint8_t* make_byte_string(std::span<const std::uint8_t> bytes)
{
    auto* block = static_cast<std::uint8_t*>(allocate_block(kArrayHeaderBytes + bytes.size()));
    std::uint32_t words[2] = {1, static_cast<std::uint32_t>(bytes.size())};
    std::memcpy(block, words, sizeof words);
    if (!bytes.empty())
        std::memcpy(block + kArrayHeaderBytes, bytes.data(), bytes.size());
    return block;
}

std::span<const std::uint8_t> byte_string_bytes(ByteString block)
{
    if (!block)
        return {};
    std::uint32_t words[2];
    std::memcpy(words, block, sizeof words);
    if (words[0] != 1)
        raise_runtime_error(5);
    return {block + kArrayHeaderBytes, words[1]};
}

std::span<void*> reference_list_slots(void* block)
{
    if (!block)
        return {};
    auto* words = static_cast<std::uint32_t*>(block);
    if (words[0] != 1)
        raise_runtime_error(5);
    return {reinterpret_cast<void**>(static_cast<std::uint8_t*>(block) + kArrayHeaderBytes), words[1]};
}

} // namespace toolkit
