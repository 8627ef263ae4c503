#pragma once

// The toolkit holds every array as one block of storage: a 32-bit count of
// dimensions, one 32-bit size for each dimension, then the elements in order.
// A byte string (the complete bytes of a picture file) is the one-dimensional
// form (1, byte count, bytes); a reference list is (1, count, references).
// Blocks come from one allocator: when it cannot supply the storage the
// process ends in fatal_error with the number of bytes asked for.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

namespace toolkit {

// A pointer to the start of a block in byte-string form (or null: no bytes).
using ByteString = const std::uint8_t*;

// Header words of a block; blocks are 4-byte aligned.
inline constexpr std::size_t kArrayHeaderBytes = 2 * sizeof(std::uint32_t);

void* allocate_block(std::size_t bytes);
// Grows or shrinks a block, keeping its contents; the old pointer is invalid afterwards.
void* reallocate_block(void* block, std::size_t bytes);
void release_block(void* block);

// Product of the dimension sizes; 0 for an array without dimensions.
std::uint32_t element_count(const void* block);

// A fresh block holding a copy of the bytes in byte-string form.
std::uint8_t* make_byte_string(std::span<const std::uint8_t> bytes);
// The bytes of a byte string; empty for null.
std::span<const std::uint8_t> byte_string_bytes(ByteString block);

// The reference slots of a reference list (1, count, references).
std::span<void*> reference_list_slots(void* block);

// Tests make storage run out: the predicate sees every request's byte count
// and answers whether it fails. Null restores normal allocation.
using AllocationFailure = std::function<bool(std::size_t bytes)>;
void set_allocation_failure_for_testing(AllocationFailure fails);

} // namespace toolkit
