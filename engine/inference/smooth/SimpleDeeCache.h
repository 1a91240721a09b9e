#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "inference/smooth/DegreeKey.h"

namespace zorv {

// The Simple DEE of conclusions already computed, by the rules and degrees that made them (DegreeKey): an
// open-addressing hash table whose keys live in one array. Valid for one compiled rule set and inference
// method; the owner clears it when either changes. It clears itself when it grows past a bound, so that its
// memory stays small whatever is evaluated.
class SimpleDeeCache {
public:
    static std::uint64_t Hash(DegreeKey key);

    // The cached value of the key, or null.
    const double* Find(std::uint64_t hash, DegreeKey key) const;
    void Insert(std::uint64_t hash, DegreeKey key, double value);
    void Clear();

    // What the cache was filled for (compared by address only).
    const void* owner() const { return owner_; }
    void SetOwner(const void* owner) {
        if (owner != owner_) Clear();
        owner_ = owner;
    }

private:
    struct Entry {
        std::uint64_t hash = 0;
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
        double value = 0.0;
        bool used = false;
    };
    bool Matches(const Entry& e, std::uint64_t hash, DegreeKey key) const;
    void Grow();
    void Place(const Entry& entry);

    std::vector<Entry> entries_;        // a power of two long, at most half used
    std::vector<DegreeKeyItem> items_;  // the keys, one after another
    std::size_t count_ = 0;
    const void* owner_ = nullptr;
};

}  // namespace zorv
