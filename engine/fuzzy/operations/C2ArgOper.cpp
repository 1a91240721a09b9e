#include "fuzzy/operations/C2ArgOper.h"

#include <algorithm>
#include <vector>

namespace zorv {

namespace {

// All count() values of a set: its own array when dense, otherwise an expanded copy in scratch.
const double* denseValues(const CFuzzyDiscreteSet& s, std::vector<double>& scratch) {
    if (s.isDense()) return s.values().data();
    scratch.resize(static_cast<std::size_t>(s.count()));
    for (int i = 0; i < s.count(); ++i) scratch[static_cast<std::size_t>(i)] = s.valueAt(i);
    return scratch.data();
}

bool fitsGrid(const CUniverse& u, const CFuzzyDiscreteSet& s) {
    return static_cast<std::size_t>(u.dimensions()) == s.sizes().size();
}

}  // namespace

void C2ArgOper::pointwise(CFuzzyDiscreteSet& r, const CFuzzyDiscreteSet& b, const C1ArgOper* unary) const {
    std::vector<double> scratch;
    const double* bv = denseValues(b, scratch);
    double* rv = r.values().data();
    const std::size_t n = static_cast<std::size_t>(r.count());
    const std::size_t m = std::min(n, static_cast<std::size_t>(b.count()));
    if (unary == nullptr) {
        applyArrays(rv, bv, rv, m);
    } else {
        // unary(B) a block at a time in a stack buffer, so that neither operand is changed.
        constexpr std::size_t kBlock = 256;
        double block[kBlock];
        for (std::size_t at = 0; at < m; at += kBlock) {
            const std::size_t len = std::min(kBlock, m - at);
            std::copy_n(bv + at, len, block);
            unary->applyInPlace(std::span<double>(block, len));
            applyArrays(rv + at, block, rv + at, len);
        }
    }
    if (m < n) applyArrayScalar(rv + m, unary ? unary->apply(0.0) : 0.0, rv + m, n - m);
}

CFuzzyDiscreteSet C2ArgOper::intoA(CFuzzyDiscreteSet r, const CFuzzyDiscreteSet& b, const C1ArgOper* unary) const {
    r.densify();
    pointwise(r, b, unary);
    if (fitsGrid(b.universe(), r) && !(r.universe() == b.universe())) r.universe() = b.universe();
    return r;
}

CFuzzyDiscreteSet C2ArgOper::intoB(const CFuzzyDiscreteSet& a, CFuzzyDiscreteSet r, const C1ArgOper* unary) const {
    r.densify();
    if (unary) unary->applyInPlace(r.values());
    std::vector<double> scratch;
    applyArrays(denseValues(a, scratch), r.values().data(), r.values().data(), r.values().size());
    if (!fitsGrid(r.universe(), r)) r.universe() = a.universe();
    return r;
}

CFuzzyDiscreteSet C2ArgOper::combine(const CFuzzyDiscreteSet& a, const CFuzzyDiscreteSet& b) const {
    return intoA(a, b, nullptr);
}

CFuzzyDiscreteSet C2ArgOper::combine(CFuzzyDiscreteSet&& a, const CFuzzyDiscreteSet& b) const {
    return intoA(std::move(a), b, nullptr);
}

CFuzzyDiscreteSet C2ArgOper::combine(const CFuzzyDiscreteSet& a, CFuzzyDiscreteSet&& b) const {
    if (a.sizes() != b.sizes()) return intoA(a, b, nullptr);
    return intoB(a, std::move(b), nullptr);
}

CFuzzyDiscreteSet C2ArgOper::combine(CFuzzyDiscreteSet&& a, CFuzzyDiscreteSet&& b) const {
    return intoA(std::move(a), b, nullptr);
}

void C2ArgOper::combineInPlace(CFuzzyDiscreteSet& a, const CFuzzyDiscreteSet& b) const {
    a.densify();
    pointwise(a, b, nullptr);
}

CFuzzyDiscreteSet C2ArgOper::product(const CFuzzyDiscreteSet& a, const CFuzzyDiscreteSet& b) const {
    std::vector<int> sizes = a.sizes();
    sizes.insert(sizes.end(), b.sizes().begin(), b.sizes().end());
    CFuzzyDiscreteSet r(std::move(sizes), CUniverse::product(a.universe(), b.universe()));
    std::vector<double> scratchA, scratchB;
    const double* av = denseValues(a, scratchA);
    const double* bv = denseValues(b, scratchB);
    const std::size_t na = static_cast<std::size_t>(a.count()), nb = static_cast<std::size_t>(b.count());
    double* out = r.values().data();
    for (std::size_t j = 0; j < nb; ++j) applyArrayScalar(av, bv[j], out + j * na, na);
    return r;
}

CFuzzyDiscreteSet C2ArgOper::combineWith(const C1ArgOper& unary, const CFuzzyDiscreteSet& a,
                                         const CFuzzyDiscreteSet& b) const {
    return intoA(a, b, &unary);
}

CFuzzyDiscreteSet C2ArgOper::combineWith(const C1ArgOper& unary, CFuzzyDiscreteSet&& a,
                                         const CFuzzyDiscreteSet& b) const {
    return intoA(std::move(a), b, &unary);
}

CFuzzyDiscreteSet C2ArgOper::combineWith(const C1ArgOper& unary, const CFuzzyDiscreteSet& a,
                                         CFuzzyDiscreteSet&& b) const {
    if (a.sizes() != b.sizes()) return intoA(a, b, &unary);
    return intoB(a, std::move(b), &unary);
}

CFuzzyDiscreteSet C2ArgOper::combineWith(const C1ArgOper& unary, CFuzzyDiscreteSet&& a,
                                         CFuzzyDiscreteSet&& b) const {
    return intoA(std::move(a), b, &unary);
}

}  // namespace zorv
