#pragma once

// symbol_list: the symbols the deal gives out, in the toolkit's block form
// (1, count, references). Each reference owns a block of its own holding a
// copy of one picture in byte-string form, so the list never shares storage
// with the built-in pictures. It lives from init_globals to free_globals and,
// once filled, holds the 18 built-in pictures in list order.
//
// Storage that cannot be had is the allocator's fatal error
// "分配 %d 字节内存失败!"; the process then ends without releasing the list.

#include "toolkit/byte_string.h"

#include <cstdint>
#include <functional>

namespace symbols {

// The list's block; null before create_symbol_list and after release_symbol_list.
extern void* symbol_list;

// The built-in empty list (1, 0), in read-only storage. create_symbol_list
// never hands it out; append copies it before growing a list that is it.
extern const std::uint32_t kEmptySymbolList[2];

// Makes symbol_list a new block of the program's own holding (1, 0).
void create_symbol_list();

// Grows the list by one element at its end holding a fresh copy of the picture.
void append_symbol(toolkit::ByteString picture);

std::uint32_t symbol_count();

// The picture of symbol `index` (1-based), still owned by the list. An index
// below 1 is runtime error 4, one above symbol_count() runtime error 1.
toolkit::ByteString symbol(int index);

// Releases every present element in order, an empty reference skipped, then
// the list's own block. Tests pass their own release to watch the order.
using BlockRelease = std::function<void(void* block)>;
void release_symbol_list(const BlockRelease& release = toolkit::release_block);

} // namespace symbols
