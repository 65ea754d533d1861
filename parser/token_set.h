// The generated parser's token-set tests, rewritten at build time
// (inline_token_sets.cmake) from calls of antlr::BitSet::member into this
// inline bit test on the set's data: the same answer, without a call into
// the runtime and its vector of bits for each look-ahead decision.
#pragma once

// Whether `type` is in the set whose data is the `nwords` words at `words`,
// 32 bits of each (its low bits, as antlr::BitSet reads them); a type past
// the set's bits, a negative one included, is not.
inline bool tokenSetMember(const unsigned long* words, unsigned int nwords, unsigned int type) {
    return type < nwords * 32u && ((words[type >> 5] >> (type & 31u)) & 1u) != 0;
}
