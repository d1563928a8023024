#pragma once
// UTF-8 as the program holds every text.

#include <cstddef>
#include <string_view>

// The length of the sequence that a byte starts: 1 for ASCII, 2 to 4 for a lead byte, 0 for a
// byte that starts none (a continuation byte, the leads of overlong pairs C0 and C1, and F5 to FF,
// which would lead beyond U+10FFFF).
std::size_t Utf8LengthOfLead(unsigned char lead);

// True for the bytes 80 to BF, which continue a sequence.
bool IsUtf8Continuation(char byte);

// The length of the valid sequence that starts at `at`, 0 when the bytes there break UTF-8.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at);
