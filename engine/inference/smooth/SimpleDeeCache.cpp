#include "inference/smooth/SimpleDeeCache.h"

#include <algorithm>
#include <bit>

namespace zorv {

namespace {

constexpr std::size_t kFirstSize = 1024;
constexpr std::size_t kMaxEntries = std::size_t{1} << 17;
constexpr std::size_t kMaxItems = std::size_t{1} << 20;

std::uint64_t Mix(std::uint64_t h, std::uint64_t v) { return (h ^ v) * 0xFF51AFD7ED558CCDULL; }

}  // namespace

std::uint64_t SimpleDeeCache::Hash(DegreeKey key) {
    std::uint64_t h = key.size();
    for (const DegreeKeyItem& item : key) {
        h = Mix(h, std::bit_cast<std::uint64_t>(item.degree) ^ (static_cast<std::uint64_t>(item.rule) << 1));
    }
    return h ^ (h >> 29);
}

bool SimpleDeeCache::Matches(const Entry& e, std::uint64_t hash, DegreeKey key) const {
    if (e.hash != hash || e.length != key.size()) return false;
    const DegreeKeyItem* stored = items_.data() + e.offset;
    for (std::size_t i = 0; i < key.size(); ++i) {
        // Degrees are compared as bit patterns: the conclusion depends on every bit.
        if (stored[i].rule != key[i].rule ||
            std::bit_cast<std::uint64_t>(stored[i].degree) != std::bit_cast<std::uint64_t>(key[i].degree))
            return false;
    }
    return true;
}

const double* SimpleDeeCache::Find(std::uint64_t hash, DegreeKey key) const {
    if (entries_.empty()) return nullptr;
    const std::size_t mask = entries_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Entry& e = entries_[i];
        if (!e.used) return nullptr;
        if (Matches(e, hash, key)) return &e.value;
    }
}

void SimpleDeeCache::Place(const Entry& entry) {
    const std::size_t mask = entries_.size() - 1;
    std::size_t i = entry.hash & mask;
    while (entries_[i].used) i = (i + 1) & mask;
    entries_[i] = entry;
}

void SimpleDeeCache::Grow() {
    std::vector<Entry> old = std::move(entries_);
    entries_.assign(std::max(kFirstSize, old.size() * 2), Entry{});
    for (const Entry& e : old)
        if (e.used) Place(e);
}

void SimpleDeeCache::Insert(std::uint64_t hash, DegreeKey key, double value) {
    if (count_ >= kMaxEntries || items_.size() + key.size() > kMaxItems) Clear();
    if (2 * (count_ + 1) > entries_.size()) Grow();
    const auto offset = static_cast<std::uint32_t>(items_.size());
    items_.insert(items_.end(), key.begin(), key.end());
    Place({hash, offset, static_cast<std::uint32_t>(key.size()), value, true});
    ++count_;
}

void SimpleDeeCache::Clear() {
    std::fill(entries_.begin(), entries_.end(), Entry{});
    items_.clear();
    count_ = 0;
}

}  // namespace zorv
