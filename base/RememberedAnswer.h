#pragma once
// An answer the user asked to stand for the next times the same question comes ("Do not ask
// again"); None: the question is asked.

#include <cstdint>

enum class TRememberedAnswer : uint8_t { None, Yes, No };
