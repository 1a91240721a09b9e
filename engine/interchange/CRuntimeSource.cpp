#include "interchange/CRuntimeSource.h"

#include <array>
#include <cctype>
#include <iterator>

namespace zorv {

namespace {

// ZV_METHOD: 1 Fuzzy Approximation (CNF), 2 Perception-based Logical Deduction, 3 Fuzzy Approximation (DNF)
// with ZV_TNORM 1 minimum, 2 product, 3 Lukasiewicz; 4 and 5 the fuzzy-input methods (logical, functional)
// with each input taken as a singleton at its nearest grid point; 6 Takagi-Sugeno.
// The defuzzification method is the C of its table row, after the helpers below that it calls.
constexpr std::string_view kPrelude = R"C(typedef struct {
    int first;       /* index of the first listed sample */
    int last;        /* index of the last listed sample (first > last: the set is 0 everywhere) */
    const double *s; /* samples first..last; 0 outside */
} zv_set;

#define ZV_ROWS (ZV_RULES > 0 ? ZV_RULES : 1)

)C";

constexpr std::string_view kText = R"C(
#define ZV_FUZZY_INPUT (ZV_METHOD == 4 || ZV_METHOD == 5)

static double zv_at(const zv_set *c, int j)
{
    return j >= c->first && j <= c->last ? c->s[j - c->first] : 0.0;
}

#if ZV_FUZZY_INPUT
static double zv_min(double a, double b) { return a < b ? a : b; }
#endif

#if ZV_METHOD == 1 || ZV_METHOD == 2 || ZV_METHOD == 4
/* Lukasiewicz implication min(1, 1 - a + b) */
static double zv_imp(double a, double b)
{
    const double v = 1.0 - a + b;
    return v < 1.0 ? v : 1.0;
}
#endif

#if !ZV_FUZZY_INPUT
/* Membership of input k's set at x: the samples interpolated linearly; beyond the ends, the end samples. */
static double zv_degree(const zv_set *c, int k, double x)
{
    const int n = zv_in_n[k];
    const double width = zv_in_high[k] - zv_in_low[k];
    double t, f;
    int i;
    if (n <= 1 || width == 0.0) return n >= 1 ? zv_at(c, 0) : 0.0;
    t = (x - zv_in_low[k]) * (n - 1) / width;
    if (!(t > 0.0)) return zv_at(c, 0);
    if (t >= n - 1) return zv_at(c, n - 1);
    i = (int)t;
    f = t - i;
    return zv_at(c, i) * (1.0 - f) + zv_at(c, i + 1) * f;
}

/* d_r = min over the inputs of the rule's memberships (0 as soon as one is 0); lists the rules with d_r > 0. */
static int zv_degrees(const double *x, double *d, int *active)
{
    int r, k, count = 0;
    for (r = 0; r < ZV_RULES; ++r) {
        double dr = zv_degree(&zv_cells[zv_rule_in[r][0]], 0, x[0]);
        for (k = 1; k < ZV_IN && dr != 0.0; ++k) {
            const double a = zv_degree(&zv_cells[zv_rule_in[r][k]], k, x[k]);
            dr = a < dr ? a : dr;
        }
        d[r] = dr;
        if (dr != 0.0) active[count++] = r;
    }
    return count;
}
#endif

#if ZV_METHOD == 1
static void zv_infer(const double *x, double *mu)
{
    double d[ZV_ROWS];
    int active[ZV_ROWS];
    const int count = zv_degrees(x, d, active);
    int i, j;
    for (j = 0; j < ZV_OUT_N; ++j) {
        double m = 1.0;
        for (i = 0; i < count; ++i) {
            const int r = active[i];
            const double b = zv_at(&zv_cells[zv_rule_out[r]], j);
            double v;
            if (b == 1.0) continue;
            v = zv_imp(d[r], b);
            if (v < m) m = v;
            if (m == 0.0) break;
        }
        mu[j] = m;
    }
}
#endif

#if ZV_METHOD == 3
static double zv_tnorm(double a, double b)
{
#if ZV_TNORM == 1
    return a < b ? a : b;
#elif ZV_TNORM == 2
    return a * b;
#else
    const double v = a + b - 1.0;
    return v > 0.0 ? v : 0.0;
#endif
}

static void zv_infer(const double *x, double *mu)
{
    double d[ZV_ROWS];
    int active[ZV_ROWS];
    const int count = zv_degrees(x, d, active);
    int i, j;
    for (j = 0; j < ZV_OUT_N; ++j) mu[j] = 0.0;
    for (i = 0; i < count; ++i) {
        const zv_set *b = &zv_cells[zv_rule_out[active[i]]];
        const double dr = d[active[i]];
        for (j = b->first; j <= b->last; ++j) {
            const double v = zv_tnorm(dr, b->s[j - b->first]);
            if (v > mu[j]) mu[j] = v;
        }
    }
}
#endif

#if ZV_METHOD == 2
/* Perception level of input k at x: ZV_LOWER at 40 % of the context (+-40 % of a symmetric one), rising
   linearly to ZV_UPPER at the ends (and at 0 of a symmetric context). */
static double zv_level(int k, double x)
{
    const double c = zv_in_low[k], h = zv_in_high[k];
    const double u = ZV_UPPER, l = ZV_LOWER;
    double p, q;
    if (!zv_in_sym[k]) {
        p = c + 0.4 * (h - c);
        return x < p ? l + (u - l) * (p - x) / (p - c) : l + (u - l) * (x - p) / (h - p);
    }
    p = 0.4 * h;
    if (x >= 0) return x < p ? l + (u - l) * (p - x) / p : l + (u - l) * (x - p) / (h - p);
    q = -p;
    return x > q ? l + (u - l) * (x - q) / (0 - q) : l + (u - l) * (x - q) / (c - q);
}

static void zv_infer(const double *x, double *mu)
{
    double d[ZV_ROWS];
    int active[ZV_ROWS], selected[ZV_ROWS];
    const int count = zv_degrees(x, d, active);
    double t = 1.0, best = 0.0, bestRaw = 0.0, atZero;
    unsigned short specificity = 0;
    int i, j, k, n = 0;
    for (k = 0; k < ZV_IN; ++k) {
        const double level = zv_level(k, x[k]);
        if (level < t) t = level;
    }
    for (i = 0; i < count; ++i) {
        const int r = active[i];
        const double dr = d[r];
        const unsigned short s = zv_rule_specificity[r];
        if (dr > best && best != t) {
            selected[0] = r;
            n = 1;
            bestRaw = dr;
            specificity = s;
            best = dr > t ? t : dr;
        } else if (dr == best || dr >= t) {
            if (n == 0 || s < specificity) {
                selected[0] = r;
                n = 1;
                bestRaw = dr;
                specificity = s;
            } else if (s == specificity) {
                selected[n++] = r;
            }
        }
    }
    if (n == 0) {
        for (j = 0; j < ZV_OUT_N; ++j) mu[j] = 0.0;
        return;
    }
    atZero = 1.0 - bestRaw;
    for (j = 0; j < ZV_OUT_N; ++j) {
        double m = 1.0;
        for (i = 0; i < n; ++i) {
            const int r = selected[i];
            const double b = zv_at(&zv_cells[zv_rule_out[r]], j);
            double v;
            if (b == 1.0) continue;
            if (b == 0.0) {
                m = atZero;
                continue;
            }
            if (d[r] == 0.0) continue;
            v = zv_imp(d[r], b);
            if (v == 0.0) {
                m = 0.0;
                break;
            }
            if (v < m) m = v;
        }
        mu[j] = m;
    }
}
#endif

#if ZV_FUZZY_INPUT
/* Each input is the singleton at its nearest grid point; the rule degree is the minimum of the rule's samples
   there. */
static void zv_infer(const double *x, double *mu)
{
    int index[ZV_IN];
    double row[ZV_OUT_N];
    int r, j, k;
    for (k = 0; k < ZV_IN; ++k) {
        const int n = zv_in_n[k];
        const double span = zv_in_high[k] - zv_in_low[k];
        int i = span > 0.0 ? (int)floor((x[k] - zv_in_low[k]) * (n - 1) / span + 0.5) : 0;
        index[k] = i < 0 ? 0 : (i > n - 1 ? n - 1 : i);
    }
    for (j = 0; j < ZV_OUT_N; ++j) row[j] = ZV_METHOD == 4 ? 1.0 : 0.0;
    for (r = 0; r < ZV_RULES; ++r) {
        const zv_set *b = &zv_cells[zv_rule_out[r]];
        double dr = zv_at(&zv_cells[zv_rule_in[r][0]], index[0]);
        for (k = 1; k < ZV_IN && dr != 0.0; ++k) dr = zv_min(dr, zv_at(&zv_cells[zv_rule_in[r][k]], index[k]));
        if (dr == 0.0) continue;
#if ZV_METHOD == 4
        for (j = 0; j < ZV_OUT_N; ++j) {
            const double bj = zv_at(b, j);
            if (row[j] != 0.0 && bj != 1.0) row[j] = zv_min(row[j], zv_imp(dr, bj));
        }
#else
        for (j = b->first; j <= b->last; ++j) {
            const double v = zv_min(dr, b->s[j - b->first]);
            row[j] = row[j] > v ? row[j] : v;
        }
#endif
    }
    for (j = 0; j < ZV_OUT_N; ++j) {
#if ZV_METHOD == 4
        const double v = 1.0 + row[j] - 1.0;
        const double folded = v > 0.0 ? v : 0.0;
#else
        const double folded = zv_min(1.0, row[j]);
#endif
        mu[j] = 0.0 > folded ? 0.0 : folded;
    }
}
#endif

#if ZV_METHOD == 6
static double zv_takagi_sugeno(const double *x)
{
    double d[ZV_ROWS];
    int active[ZV_ROWS];
    const int count = zv_degrees(x, d, active);
    double weights = 0.0, sum = 0.0;
    int i, k;
    for (i = 0; i < count; ++i) {
        const int r = active[i];
        double y = zv_rule_coef[r][0];
        if (ZV_LINEAR)
            for (k = 0; k < ZV_IN; ++k) y += zv_rule_coef[r][k + 1] * x[k];
        weights += d[r];
        sum += d[r] * y;
    }
    if (weights != 0.0) return sum / weights;
    return (ZV_OUT_LOW + ZV_OUT_HIGH) * 0.5;
}
#endif

/* Inputs outside their contexts are clamped to them; a value that is not a finite number is refused (1). */
static int zv_clamp_inputs(const double *inputs, double *x)
{
    int k;
    for (k = 0; k < ZV_IN; ++k) {
        if (!isfinite(inputs[k])) return 1;
        x[k] = inputs[k] < zv_in_low[k] ? zv_in_low[k] : (zv_in_high[k] < inputs[k] ? zv_in_high[k] : inputs[k]);
    }
    return 0;
}
)C";

// The helpers of the defuzzification methods, each a C declaration named by its identifier. A piece uses
// only pieces before it, so that the ones a method needs follow from its text in one backward pass.
struct Piece {
    std::string_view name;
    std::string_view text;
};

constexpr Piece kHelpers[] = {
    {"zv_value_at", R"C(
/* value = low + (c / (n - 1)) (high - low) of a (fractional) sample index c */
static double zv_value_at(double c)
{
    if (ZV_OUT_N == 1) return ZV_OUT_LOW;
    return ZV_OUT_LOW + (c / (ZV_OUT_N - 1)) * (ZV_OUT_HIGH - ZV_OUT_LOW);
}
)C"},
    {"zv_midpoint", R"C(
static double zv_midpoint(void) { return (ZV_OUT_LOW + ZV_OUT_HIGH) * 0.5; }
)C"},
    {"zv_clamp", R"C(
static double zv_clamp(double v) { return v < ZV_OUT_LOW ? ZV_OUT_LOW : (v > ZV_OUT_HIGH ? ZV_OUT_HIGH : v); }
)C"},
    {"zv_moments", R"C(
/* sum j mu[j] and sum mu[j] over [from, to] in four lanes (sample j in lane j mod 4), added pairwise */
static void zv_moments(const double *mu, int from, int to, double *moment, double *weight)
{
    double m[4] = {0.0, 0.0, 0.0, 0.0}, w[4] = {0.0, 0.0, 0.0, 0.0};
    int j;
    for (j = from; j <= to; ++j) {
        m[j & 3] += j * mu[j];
        w[j & 3] += mu[j];
    }
    *moment = (m[0] + m[1]) + (m[2] + m[3]);
    *weight = (w[0] + w[1]) + (w[2] + w[3]);
}
)C"},
    {"zv_centroid_index", R"C(
static double zv_centroid_index(const double *mu, int a, int b)
{
    double moment, weight;
    zv_moments(mu, a > 0 ? a : 0, b < ZV_OUT_N - 1 ? b : ZV_OUT_N - 1, &moment, &weight);
    if (weight == 0.0) return (double)((a + b) / 2);
    return moment / weight;
}
)C"},
    {"zv_shape", R"C(
enum { ZV_DECREASING, ZV_UNIMODAL, ZV_INCREASING, ZV_SINGLE_POINT, ZV_CONSTANT, ZV_IRREGULAR };

typedef struct {
    double m, M;
    int L1, R1, Lm, Rm, shape;
} zv_shape;
)C"},
    {"zv_analyse", R"C(
/* m and M the least and greatest samples; L1 / R1 the first / last sample above m; Lm / Rm the first from L1
   up / last from R1 down equal to M. */
static zv_shape zv_analyse(const double *mu)
{
    zv_shape s;
    int j;
    s.m = 1.0;
    s.M = 0.0;
    s.L1 = s.R1 = s.Lm = s.Rm = 0;
    for (j = 0; j < ZV_OUT_N; ++j) {
        if (mu[j] < s.m) s.m = mu[j];
        if (mu[j] > s.M) s.M = mu[j];
    }
    if (s.m == s.M) {
        s.shape = ZV_CONSTANT;
        return s;
    }
    for (j = 0; j < ZV_OUT_N && !(mu[j] > s.m); ++j) {
    }
    s.L1 = j < ZV_OUT_N ? j : ZV_OUT_N - 1;
    for (j = ZV_OUT_N - 1; j >= 0 && !(mu[j] > s.m); --j) {
    }
    s.R1 = j > 0 ? j : 0;
    for (j = s.L1; j < ZV_OUT_N && mu[j] != s.M; ++j) {
    }
    s.Lm = j < ZV_OUT_N ? j : ZV_OUT_N - 1;
    for (j = s.R1; j >= 0 && mu[j] != s.M; --j) {
    }
    s.Rm = j > 0 ? j : 0;
    s.shape = s.L1 == s.R1 ? ZV_SINGLE_POINT : ZV_IRREGULAR;
    return s;
}
)C"},
    {"zv_non_decreasing", R"C(
/* mu[j] >= mu[j - 1] for j = a + 1 .. b */
static int zv_non_decreasing(const double *mu, int a, int b)
{
    int j;
    for (j = a + 1 > 1 ? a + 1 : 1; j <= b && j < ZV_OUT_N; ++j)
        if (!(mu[j] >= mu[j - 1])) return 0;
    return 1;
}
)C"},
    {"zv_non_increasing", R"C(
/* mu[j] >= mu[j + 1] for j = a .. b - 1 */
static int zv_non_increasing(const double *mu, int a, int b)
{
    int j;
    for (j = a > 0 ? a : 0; j <= b - 1 && j < ZV_OUT_N - 1; ++j)
        if (!(mu[j] >= mu[j + 1])) return 0;
    return 1;
}
)C"},
    {"zv_equals", R"C(
static int zv_equals(const double *mu, int j, double v) { return j >= 0 && j < ZV_OUT_N && mu[j] == v; }
)C"},
    {"zv_unimodal", R"C(
static int zv_unimodal(const double *mu, const zv_shape *s)
{
    return zv_equals(mu, s->Lm, s->M) && zv_non_increasing(mu, s->Lm, ZV_OUT_N - 1) &&
           zv_non_decreasing(mu, 0, s->Lm);
}
)C"},
    {"zv_constant_on", R"C(
/* mu[j] = mu[j + 1] for j = a .. b - 1 */
static int zv_constant_on(const double *mu, int a, int b)
{
    int j;
    for (j = a > 0 ? a : 0; j <= b - 1 && j < ZV_OUT_N - 1; ++j)
        if (mu[j] != mu[j + 1]) return 0;
    return 1;
}
)C"},
    {"zv_classify_plateau", R"C(
/* the plateau of maxima decides: at an end (or, symmetric, at the middle with a flat side) -> decreasing /
   increasing; one hill -> unimodal */
static int zv_classify_plateau(const double *mu, const zv_shape *s)
{
    const int half = ZV_OUT_N / 2;
    if (s->shape == ZV_CONSTANT || s->shape == ZV_SINGLE_POINT) return s->shape;
    if (ZV_OUT_SYM && zv_equals(mu, half, s->M)) {
        if (zv_constant_on(mu, 0, half - 1)) return ZV_DECREASING;
        if (zv_constant_on(mu, half + 1, ZV_OUT_N - 1)) return ZV_INCREASING;
    }
    if (mu[0] == s->M) return ZV_DECREASING;
    if (mu[ZV_OUT_N - 1] == s->M) return ZV_INCREASING;
    if (zv_unimodal(mu, s)) return ZV_UNIMODAL;
    return ZV_IRREGULAR;
}
)C"},
    {"zv_mom_index", R"C(
/* the upper middle of the maxima within [Lm, Rm] */
static int zv_mom_index(const double *mu, const zv_shape *s)
{
    int j, k = 0, position;
    for (j = s->Lm; j <= s->Rm; ++j) k += mu[j] == s->M ? 1 : 0;
    position = k / 2;
    for (j = s->Lm; j <= s->Rm; ++j) {
        if (mu[j] != s->M) continue;
        if (position == 0) return j;
        --position;
    }
    return s->Lm;
}
)C"},
    {"zv_simple_dee_of", R"C(
/* Simple DEE of an analysed conclusion of the given class: the end of the plateau of maxima towards the
   middle for a decreasing or increasing set, its middle for a hill, the mean of maxima otherwise */
static double zv_simple_dee_of(const double *mu, const zv_shape *s, int shape)
{
    switch (shape) {
    case ZV_CONSTANT:
        return zv_clamp(zv_midpoint());
    case ZV_DECREASING:
        return zv_clamp(zv_value_at(s->Rm));
    case ZV_INCREASING:
        return zv_clamp(zv_value_at(s->Lm));
    case ZV_SINGLE_POINT:
        return zv_clamp(zv_value_at(s->L1));
    case ZV_UNIMODAL:
        return zv_clamp(zv_value_at((s->Lm + s->Rm) / 2.0));
    default:
        return zv_clamp(zv_value_at(zv_mom_index(mu, s)));
    }
}
)C"},
    {"zv_simple_dee", R"C(
static double zv_simple_dee(const double *mu)
{
    const zv_shape s = zv_analyse(mu);
    return zv_simple_dee_of(mu, &s, zv_classify_plateau(mu, &s));
}
)C"},
};

bool IsIdentifierChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

// Whether text names the identifier (not merely a longer identifier that begins or ends with it).
bool Mentions(std::string_view text, std::string_view identifier) {
    for (std::size_t at = text.find(identifier); at != std::string_view::npos; at = text.find(identifier, at + 1)) {
        const std::size_t end = at + identifier.size();
        if ((at == 0 || !IsIdentifierChar(text[at - 1])) && (end == text.size() || !IsIdentifierChar(text[end])))
            return true;
    }
    return false;
}

}  // namespace

std::string_view CRuntimeSource::Prelude() { return kPrelude; }

std::string_view CRuntimeSource::Text() { return kText; }

std::string CRuntimeSource::HelpersOf(std::string_view code) {
    constexpr std::size_t count = std::size(kHelpers);
    std::array<bool, count> needed{};
    for (std::size_t i = count; i-- > 0;) {
        needed[i] = Mentions(code, kHelpers[i].name);
        for (std::size_t later = i + 1; later < count && !needed[i]; ++later)
            needed[i] = needed[later] && Mentions(kHelpers[later].text, kHelpers[i].name);
    }
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        if (needed[i]) text += kHelpers[i].text;
    return text;
}

}  // namespace zorv
