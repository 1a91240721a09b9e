#include "fuzzy/vocabulary/CLingShapes.h"

#include <utility>

namespace zorv {

namespace {

constexpr int kSmall = CLingTerm::kSmall;
constexpr int kMedium = CLingTerm::kMedium;
constexpr int kBig = CLingTerm::kBig;
constexpr int kZero = CLingTerm::kZero;
enum { A, B, C, D, E, F };

// Quotient that stays defined (0) when the denominator vanishes, so that odd lingparams give odd but
// finite shapes.
double ratio(double numerator, double denominator) { return denominator != 0.0 ? numerator / denominator : 0.0; }

CLingTerm makeTerm(int atom, int hedge, double left, double right) {
    CLingTerm t;
    t.atom = atom;
    t.hedge = hedge;
    t.leftFactor = left;
    t.rightFactor = right;
    return t;
}

}  // namespace

CLingShapes::CLingShapes(const Params& lingParams) : params_(lingParams), table_(kConstantTable) {
    computeTable();
    computeTerms();
}

void CLingShapes::computeTable() {
    const double s = centre();
    const Table& k = kConstantTable;
    const double r1 = ratio(s - k[kMedium][A], 2.0 * s);
    const double r2 = ratio((s - k[kMedium][C]) * 0.5, s);
    const double r3 = ratio(s - k[kSmall][F], s - k[kMedium][A]);
    const double r4 = ratio(k[kSmall][F] - k[kSmall][E], s - k[kSmall][D]);
    const double r5 = ratio(k[kBig][A] - s, k[kMedium][F] - s);
    const double r6 = ratio(k[kBig][B] - k[kBig][A], k[kBig][C] - s);

    table_ = k;
    Row& small = table_[kSmall];
    Row& medium = table_[kMedium];
    Row& big = table_[kBig];
    small[D] = params_[0];
    big[C] = params_[3];
    medium[A] = params_[1];

    medium[F] = s + 2.0 * (1.0 - s) * r1;
    medium[C] = s - 2.0 * s * r2;
    medium[D] = s + 2.0 * s * r2;
    medium[B] = (medium[A] + medium[C]) / 2.0;
    medium[E] = (medium[D] + medium[F]) / 2.0;

    small[F] = s - (s - medium[A]) * r3;
    small[E] = small[F] - (s - small[D]) * r4;

    big[A] = s + (medium[F] - s) * r5;
    big[B] = big[A] + (big[C] - s) * r6;
}

void CLingShapes::computeTerms() {
    const double s = centre();
    const Row& small = table_[kSmall];
    const Row& medium = table_[kMedium];
    const Row& big = table_[kBig];
    const double qSmall = (ratio(medium[A] + medium[B], 2.0 * small[D]) - 1.0) / 4.0;
    const double qBig = (ratio(medium[F] + medium[E] - 2.0 * big[D], 2.0 * (big[C] - big[D])) - 1.0) / 4.0;
    const double qLeft = (ratio(small[F] + small[E] - 2.0 * s, 2.0 * (medium[C] - s)) - 1.0) / 4.0;
    const double qRight = (ratio(big[A] + big[B] - 2.0 * s, 2.0 * (medium[D] - s)) - 1.0) / 4.0;
    constexpr std::array<double, 4> kNarrowing{0.2, 0.4, 0.6, 2.5};  // extremely, significantly, very, rather

    terms_.clear();
    for (const auto& [atom, q] : {std::pair{kSmall, qSmall}, std::pair{kBig, qBig}}) {
        terms_.push_back(makeTerm(atom, CLingTerm::kNoHedge, 1.0, 1.0));
        for (int h = 0; h < 4; ++h) terms_.push_back(makeTerm(atom, h, kNarrowing[h], kNarrowing[h]));
        for (int k = 1; k <= 4; ++k) terms_.push_back(makeTerm(atom, 3 + k, 1.0 + k * q, 1.0 + k * q));
    }
    terms_.push_back(makeTerm(kMedium, CLingTerm::kNoHedge, 1.0, 1.0));
    for (int k = 1; k <= 4; ++k) terms_.push_back(makeTerm(kMedium, 3 + k, 1.0 + k * qLeft, 1.0 + k * qRight));
    terms_.push_back(makeTerm(kZero, CLingTerm::kNoHedge, 1.0, 1.0));
    terms_.push_back(makeTerm(kZero, CLingTerm::kRoughly, 2.0, 2.0));
}

const CLingTerm* CLingShapes::find(int atom, int hedge) const {
    for (const CLingTerm& t : terms_) {
        if (t.atom == atom && t.hedge == hedge) return &t;
    }
    return nullptr;
}

std::optional<CLingShapes::Row> CLingShapes::shape(int atom, int hedge, int sign, bool symmetric) const {
    const CLingTerm* term = find(atom, hedge);
    if (term == nullptr) return std::nullopt;
    if (atom == kZero) return zeroShape(*term, sign, symmetric);
    Row r = hedged(*term);
    if (sign < 0) r = Row{-r[F], -r[E], -r[D], -r[C], -r[B], -r[A]};
    return r;
}

CLingShapes::Row CLingShapes::zeroShape(const CLingTerm& term, int sign, bool symmetric) const {
    const double factor = term.rightFactor;
    Row r = table_[kZero];
    if (!symmetric || sign > 0) {
        r[A] = r[B] = r[C] = 0.0;
    } else if (sign < 0) {
        r[D] = r[E] = r[F] = 0.0;
    }
    for (double& p : r) p *= factor;
    return r;
}

CLingShapes::Row CLingShapes::hedged(const CLingTerm& term) const {
    Row r = table_[static_cast<std::size_t>(term.atom)];
    if (term.hedge == CLingTerm::kNoHedge) return r;
    const double s = centre();
    const double rL = ratio(r[C] - r[B], r[C] - r[A]);
    const double rR = ratio(r[E] - r[F], r[D] - r[F]);
    const double lf = term.leftFactor;
    const double rf = term.rightFactor;

    if (term.hedge == CLingTerm::kRather) {
        if (term.atom == kSmall) {
            const double f = (rf / 3.0) * r[F];
            const double d = rf * r[D];
            r[F] = f;
            r[D] = d;
            r[E] = f + (d - f) * rR;
        } else if (term.atom == kBig) {
            const double a = (1.0 - lf / 3.0) * r[D] + (lf / 3.0) * r[A];
            const double c = (1.0 - lf) * r[D] + lf * r[C];
            r[A] = a;
            r[C] = c;
            r[B] = c - (c - a) * rL;
        }
        return r;
    }

    if (term.atom == kSmall) {
        for (int i : {D, E, F}) r[i] *= rf;
        if (r[F] > s) {
            r[F] = s;
            r[E] = r[F] + (r[D] - r[F]) * rR;
        }
    } else if (term.atom == kMedium) {
        const Row& small = table_[kSmall];
        const Row& big = table_[kBig];
        for (int i : {A, B, C}) r[i] = s + lf * (r[i] - s);
        const double leftLimit = (small[D] + small[E]) / 2.0;
        if (r[A] < leftLimit) {
            r[A] = leftLimit;
            r[B] = r[C] - (r[C] - r[A]) * rL;
        }
        for (int i : {D, E, F}) r[i] = s + rf * (r[i] - s);
        const double rightLimit = (big[B] + big[C]) / 2.0;
        if (r[F] > rightLimit) {
            r[F] = rightLimit;
            r[E] = r[F] + (r[D] - r[F]) * rR;
        }
    } else if (term.atom == kBig) {
        const double d = r[D];
        for (int i : {A, B, C}) r[i] = (1.0 - lf) * d + lf * r[i];
        if (r[A] < s) {
            r[A] = s;
            r[B] = r[C] - (r[C] - r[A]) * rL;
        }
    }
    return r;
}

}  // namespace zorv
