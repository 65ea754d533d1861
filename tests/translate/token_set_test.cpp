#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

#include <antlr/BitSet.hpp>

#include "parser/token_set.h"

namespace {

// The inline test the generated parser's token-set tests are rewritten to
// must answer as antlr::BitSet::member on the same data, for every type:
// inside the set, past its end, and negative ones as the parser passes them.
void expectSameAsBitSet(const std::vector<unsigned long>& words) {
    const unsigned int n = static_cast<unsigned int>(words.size());
    antlr::BitSet set(words.data(), n);
    for (int type = -70; type < static_cast<int>(n * 32) + 70; ++type)
        ASSERT_EQ(tokenSetMember(words.data(), n, type), set.member(type)) << "type " << type;
    for (int type : {INT_MIN, INT_MAX})
        ASSERT_EQ(tokenSetMember(words.data(), n, type), set.member(type)) << "type " << type;
}

TEST(TokenSetMember, AnswersAsTheRuntimeBitSet) {
    expectSameAsBitSet({2UL, 0UL, 0UL, 0UL, 0UL, 0UL});
    expectSameAsBitSet({4294967295UL, 4294967295UL, 16777215UL, 0UL});
    expectSameAsBitSet({923275490UL, 3755777487UL, 4294082625UL, 1006625023UL, 2051UL, 0UL});
    // Bits above the low 32 of a word are no part of the set.
    expectSameAsBitSet({~0UL, 0xffffffff00000000UL});
    std::mt19937_64 random(7);
    for (int round = 0; round < 50; ++round) {
        std::vector<unsigned long> words(1 + round % 12);
        for (unsigned long& word : words)
            word = static_cast<unsigned long>(random());
        expectSameAsBitSet(words);
    }
}

}  // namespace
