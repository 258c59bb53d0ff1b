#pragma once
// What every fuzz target shares: a check that stops the run like a crash, and the filling
// of an in-memory settings store from the fuzz input.
//
// Settings input: records separated by '\n'. The first byte of a record picks one of the
// keys the target reads (byte modulo the number of keys); the rest of the record is the
// value, stored as it is (a record of one byte stores an empty text). A key that appears
// twice keeps its last value; a key that no record picks stays absent.
#include "doubles/MemorySettingsStore.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

namespace tessaron::fuzz {

// A broken property: libFuzzer saves the input that led here as a crash.
#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)

struct SettingsKey {
    const char* Section;
    const char* Key;
};

inline std::string InputText(const std::uint8_t* data, std::size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}

inline void FillStore(MemorySettingsStore& store, std::span<const SettingsKey> keys, const std::uint8_t* data,
                      std::size_t size)
{
    const std::string input = InputText(data, size);
    std::size_t start = 0;
    while (start < input.size()) {
        std::size_t end = input.find('\n', start);
        if (end == std::string::npos) end = input.size();
        if (end > start) {
            const SettingsKey& key = keys[static_cast<unsigned char>(input[start]) % keys.size()];
            store.Write(key.Section, key.Key, input.substr(start + 1, end - start - 1));
        }
        start = end + 1;
    }
    store.Log.clear();
}

} // namespace tessaron::fuzz
