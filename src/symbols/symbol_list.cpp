#include "symbol_list.h"

#include "toolkit/fatal_error.h"

#include <cstring>

namespace symbols {

void* symbol_list = nullptr;

alignas(void*) const std::uint32_t kEmptySymbolList[2] = {1, 0};

namespace {

bool is_built_in_constant(const void* list) { return list == kEmptySymbolList; }

std::size_t list_bytes(std::uint32_t count) { return toolkit::kArrayHeaderBytes + count * sizeof(void*); }

void write_header(void* list, std::uint32_t count)
{
    const std::uint32_t words[2] = {1, count};
    std::memcpy(list, words, sizeof words);
}

} // namespace

void create_symbol_list()
{
    symbol_list = toolkit::allocate_block(list_bytes(0));
    write_header(symbol_list, 0);
}

void append_symbol(toolkit::ByteString picture)
{
    // Make the list writable.
    if (is_built_in_constant(symbol_list)) {
        const std::size_t bytes = list_bytes(toolkit::element_count(kEmptySymbolList));
        void* copy = toolkit::allocate_block(bytes);
        std::memcpy(copy, kEmptySymbolList, bytes);
        symbol_list = copy;
    }
    // Take the element count.
    const std::uint32_t n = toolkit::element_count(symbol_list);
    // Re-form the block as n + 1 references.
    symbol_list = toolkit::reallocate_block(symbol_list, list_bytes(n + 1));
    write_header(symbol_list, n + 1);
    // Copy the picture into a block of its own.
    toolkit::reference_list_slots(symbol_list)[n] = toolkit::make_byte_string(toolkit::byte_string_bytes(picture));
}

std::uint32_t symbol_count() { return toolkit::element_count(symbol_list); }

toolkit::ByteString symbol(int index)
{
    if (index < 1)
        toolkit::raise_runtime_error(4);
    if (static_cast<std::uint32_t>(index) > symbol_count())
        toolkit::raise_runtime_error(1);
    return static_cast<toolkit::ByteString>(toolkit::reference_list_slots(symbol_list)[index - 1]);
}

void release_symbol_list(const BlockRelease& release)
{
    if (symbol_list && !is_built_in_constant(symbol_list)) {
        for (void* element : toolkit::reference_list_slots(symbol_list)) {
            if (element)
                release(element);
        }
        release(symbol_list);
    }
    symbol_list = nullptr;
}

} // namespace symbols
