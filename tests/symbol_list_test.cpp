#include "symbols/pictures.h"
#include "symbols/symbol_list.h"
#include "toolkit/byte_string.h"
#include "toolkit/picture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace symbols {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytes_of(toolkit::ByteString block)
{
    auto span = toolkit::byte_string_bytes(block);
    return {span.begin(), span.end()};
}

std::vector<std::uint32_t> header_of(const void* block)
{
    std::uint32_t words[2];
    std::memcpy(words, block, sizeof words);
    return {words[0], words[1]};
}

// Owns the global list for one test and releases it afterwards.
class SymbolListTest : public ::testing::Test {
protected:
    void SetUp() override { create_symbol_list(); }
    void TearDown() override
    {
        toolkit::set_allocation_failure_for_testing(nullptr);
        release_symbol_list();
    }

    // Byte strings of distinct contents and lengths (10 + i bytes), made once each.
    toolkit::ByteString sample(int i)
    {
        auto& block = m_samples[i];
        if (!block)
            block.reset(toolkit::make_byte_string(Bytes(10 + i, static_cast<std::uint8_t>(0xA0 + i))));
        return block.get();
    }

private:
    struct Release {
        void operator()(std::uint8_t* block) const { toolkit::release_block(block); }
    };
    std::map<int, std::unique_ptr<std::uint8_t, Release>> m_samples;
};

TEST_F(SymbolListTest, StartsAsAnEmptyListOfItsOwn)
{
    ASSERT_NE(symbol_list, nullptr);
    EXPECT_NE(symbol_list, static_cast<const void*>(kEmptySymbolList));
    EXPECT_EQ(header_of(symbol_list), (std::vector<std::uint32_t>{1, 0}));
    EXPECT_EQ(symbol_count(), 0u);
}

TEST_F(SymbolListTest, AppendKeepsEarlierReferencesAndStoresFreshCopies)
{
    append_symbol(sample(1));
    append_symbol(sample(2));
    const toolkit::ByteString first = symbol(1);
    append_symbol(sample(3));

    EXPECT_EQ(header_of(symbol_list), (std::vector<std::uint32_t>{1, 3}));
    EXPECT_EQ(symbol(1), first) << "growing the list moved an element";
    for (int i = 1; i <= 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NE(symbol(i), sample(i)) << "the list shares the caller's storage";
        EXPECT_EQ(bytes_of(symbol(i)), bytes_of(sample(i)));
    }
}

TEST_F(SymbolListTest, AppendToTheBuiltInEmptyConstantCopiesItFirst)
{
    release_symbol_list();
    symbol_list = const_cast<std::uint32_t*>(kEmptySymbolList);

    append_symbol(sample(1));

    EXPECT_NE(symbol_list, static_cast<const void*>(kEmptySymbolList));
    EXPECT_EQ(symbol_count(), 1u);
    EXPECT_EQ(bytes_of(symbol(1)), bytes_of(sample(1)));
    EXPECT_EQ(header_of(kEmptySymbolList), (std::vector<std::uint32_t>{1, 0}));
}

TEST_F(SymbolListTest, FilledWithTheBuiltInsHoldsEachByteForByteInOrder)
{
    for (toolkit::ByteString picture : built_in_symbols())
        append_symbol(picture);

    ASSERT_EQ(symbol_count(), 18u);
    std::set<Bytes> distinct;
    for (int i = 1; i <= kSymbolCount; ++i) {
        SCOPED_TRACE(i);
        toolkit::ByteString built_in = built_in_symbols()[i - 1];
        EXPECT_NE(symbol(i), built_in);
        EXPECT_EQ(bytes_of(symbol(i)), bytes_of(built_in));
        distinct.insert(bytes_of(built_in));
    }
    EXPECT_EQ(distinct.size(), 18u) << "two symbols share one picture";
}

TEST(BuiltInSymbols, EachDecodesTo25By25)
{
    for (int i = 1; i <= kSymbolCount; ++i) {
        SCOPED_TRACE(i);
        auto picture = toolkit::decode_picture(toolkit::byte_string_bytes(built_in_symbols()[i - 1]));
        ASSERT_TRUE(picture.has_value());
        EXPECT_EQ(picture->width, 25);
        EXPECT_EQ(picture->height, 25);
        EXPECT_FALSE(picture->animated());
    }
}

TEST_F(SymbolListTest, ReleaseFreesEveryPresentElementInOrderThenTheList)
{
    for (int i = 1; i <= 4; ++i)
        append_symbol(sample(i));
    auto slots = toolkit::reference_list_slots(symbol_list);
    toolkit::release_block(slots[1]);
    slots[1] = nullptr;
    const std::vector<void*> expected{slots[0], slots[2], slots[3], symbol_list};

    std::vector<void*> released;
    release_symbol_list([&](void* block) {
        released.push_back(block);
        toolkit::release_block(block);
    });

    EXPECT_EQ(released, expected);
    EXPECT_EQ(symbol_list, nullptr);
}

using SymbolListDeathTest = SymbolListTest;

TEST_F(SymbolListDeathTest, IndexOutsideTheListIsARuntimeErrorBelowOneCheckedFirst)
{
    constexpr const char* kBelowOne = "错误代码：4\n\n错误信息：数组成员引用下标必须大于等于1";
    constexpr const char* kAboveCount = "错误代码：1\n\n错误信息：数组成员引用下标超出定义范围";
    struct Case {
        int elements;
        int index;
        const char* error;
    };
    const Case cases[] = {
        {0, 0, kBelowOne}, {2, -1, kBelowOne}, {2, 0, kBelowOne}, {2, 3, kAboveCount}, {0, 1, kAboveCount},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.elements << " elements, index " << c.index);
        EXPECT_EXIT(
            {
                for (int i = 1; i <= c.elements; ++i)
                    append_symbol(sample(i));
                symbol(c.index);
            },
            ::testing::ExitedWithCode(255), c.error);
    }
}

// Each allocation an append makes; a refusal ends the process with the byte count asked for.
TEST_F(SymbolListDeathTest, StorageThatCannotBeHadIsFatalWithItsByteCount)
{
    append_symbol(sample(1));
    struct Case {
        const char* step;
        bool from_constant;
        std::size_t refused;
    };
    const std::size_t header = toolkit::kArrayHeaderBytes;
    const Case cases[] = {
        {"copy of the built-in empty list", true, header},
        {"list grown to two references", false, header + 2 * sizeof(void*)},
        {"copy of the picture", false, header + 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        const std::string message = "分配 " + std::to_string(c.refused) + " 字节内存失败!";
        EXPECT_EXIT(
            {
                toolkit::ByteString picture = sample(2);
                if (c.from_constant)
                    symbol_list = const_cast<std::uint32_t*>(kEmptySymbolList);
                toolkit::set_allocation_failure_for_testing([&](std::size_t bytes) { return bytes == c.refused; });
                append_symbol(picture);
            },
            ::testing::ExitedWithCode(255), message);
    }
}

TEST(SymbolListCreateDeathTest, StorageThatCannotBeHadIsFatal)
{
    EXPECT_EXIT(
        {
            toolkit::set_allocation_failure_for_testing([](std::size_t) { return true; });
            create_symbol_list();
        },
        ::testing::ExitedWithCode(255), "分配 8 字节内存失败!");
}

} // namespace
} // namespace symbols
