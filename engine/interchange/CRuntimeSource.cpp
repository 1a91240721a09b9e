#include "interchange/CRuntimeSource.h"

namespace zorv {

namespace {

// ZV_METHOD: 1 Fuzzy Approximation (CNF), 2 Perception-based Logical Deduction, 3 Fuzzy Approximation (DNF)
// with ZV_TNORM 1 minimum, 2 product, 3 Lukasiewicz; 4 and 5 the fuzzy-input methods (logical, functional)
// with each input taken as a singleton at its nearest grid point; 6 Takagi-Sugeno.
// ZV_DEFUZZ: 0 COG, 1 modified COG, 2 simple DEE, 3 simple DEE using COG, 4 DEE, 5 MOM, 6 smooth DEE.
constexpr std::string_view kPrelude = R"C(typedef struct {
    int first;       /* index of the first listed sample */
    int last;        /* index of the last listed sample (first > last: the set is 0 everywhere) */
    const double *s; /* samples first..last; 0 outside */
} zv_set;

#define ZV_ROWS (ZV_RULES > 0 ? ZV_RULES : 1)

)C";

constexpr std::string_view kText = R"C(
#define ZV_FUZZY_INPUT (ZV_METHOD == 4 || ZV_METHOD == 5)
#define ZV_SIMPLE (ZV_DEFUZZ == 2 || ZV_DEFUZZ == 3 || ZV_DEFUZZ == 6)
#define ZV_SHAPES (ZV_SIMPLE || ZV_DEFUZZ == 4)
#define ZV_CENTROID_INDEX (ZV_DEFUZZ == 3 || ZV_DEFUZZ == 4)

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

#if ZV_METHOD != 6
/* value = low + (c / (n - 1)) (high - low) of a (fractional) sample index c */
static double zv_value_at(double c)
{
    if (ZV_OUT_N == 1) return ZV_OUT_LOW;
    return ZV_OUT_LOW + (c / (ZV_OUT_N - 1)) * (ZV_OUT_HIGH - ZV_OUT_LOW);
}
#endif

#if ZV_METHOD != 6 && ZV_DEFUZZ != 5
static double zv_midpoint(void) { return (ZV_OUT_LOW + ZV_OUT_HIGH) * 0.5; }
#endif

#if ZV_SHAPES
static double zv_clamp(double v) { return v < ZV_OUT_LOW ? ZV_OUT_LOW : (v > ZV_OUT_HIGH ? ZV_OUT_HIGH : v); }
#endif

#if ZV_DEFUZZ == 0 || ZV_CENTROID_INDEX
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
#endif

#if ZV_CENTROID_INDEX
static double zv_centroid_index(const double *mu, int a, int b)
{
    double moment, weight;
    zv_moments(mu, a > 0 ? a : 0, b < ZV_OUT_N - 1 ? b : ZV_OUT_N - 1, &moment, &weight);
    if (weight == 0.0) return (double)((a + b) / 2);
    return moment / weight;
}
#endif

#if ZV_DEFUZZ == 0
static double zv_defuzz(const double *mu)
{
    double moment, weight;
    zv_moments(mu, 0, ZV_OUT_N - 1, &moment, &weight);
    if (weight == 0.0) return zv_midpoint();
    return zv_value_at(moment / weight);
}
#endif

#if ZV_DEFUZZ == 1
static double zv_defuzz(const double *mu)
{
    double m = 1.0, moment = 0.0, weight = 0.0;
    int j, any = 0;
    for (j = 0; j < ZV_OUT_N; ++j)
        if (mu[j] < m) m = mu[j];
    for (j = 0; j < ZV_OUT_N; ++j) {
        if (mu[j] > m) {
            moment += j * mu[j];
            weight += mu[j];
            any = 1;
        }
    }
    if (!any) return zv_midpoint();
    return zv_value_at(moment / weight);
}
#endif

#if ZV_DEFUZZ == 5
static double zv_defuzz(const double *mu)
{
    double top = 0.0;
    int j, k = 0, position;
    for (j = 0; j < ZV_OUT_N; ++j)
        if (mu[j] > top) top = mu[j];
    for (j = 0; j < ZV_OUT_N; ++j)
        if (mu[j] == top) ++k;
    position = k / 2;
    for (j = 0; j < ZV_OUT_N; ++j) {
        if (mu[j] != top) continue;
        if (position == 0) return zv_value_at(j);
        --position;
    }
    return zv_value_at(ZV_OUT_N / 2);
}
#endif

#if ZV_SHAPES
enum { ZV_DECREASING, ZV_UNIMODAL, ZV_INCREASING, ZV_SINGLE_POINT, ZV_CONSTANT, ZV_IRREGULAR };

typedef struct {
    double m, M;
    int L1, R1, Lm, Rm, shape;
} zv_shape;

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

/* mu[j] >= mu[j - 1] for j = a + 1 .. b */
static int zv_non_decreasing(const double *mu, int a, int b)
{
    int j;
    for (j = a + 1 > 1 ? a + 1 : 1; j <= b && j < ZV_OUT_N; ++j)
        if (!(mu[j] >= mu[j - 1])) return 0;
    return 1;
}

/* mu[j] >= mu[j + 1] for j = a .. b - 1 */
static int zv_non_increasing(const double *mu, int a, int b)
{
    int j;
    for (j = a > 0 ? a : 0; j <= b - 1 && j < ZV_OUT_N - 1; ++j)
        if (!(mu[j] >= mu[j + 1])) return 0;
    return 1;
}

static int zv_equals(const double *mu, int j, double v) { return j >= 0 && j < ZV_OUT_N && mu[j] == v; }

static int zv_unimodal(const double *mu, const zv_shape *s)
{
    return zv_equals(mu, s->Lm, s->M) && zv_non_increasing(mu, s->Lm, ZV_OUT_N - 1) &&
           zv_non_decreasing(mu, 0, s->Lm);
}
#endif

#if ZV_SIMPLE
/* mu[j] = mu[j + 1] for j = a .. b - 1 */
static int zv_constant_on(const double *mu, int a, int b)
{
    int j;
    for (j = a > 0 ? a : 0; j <= b - 1 && j < ZV_OUT_N - 1; ++j)
        if (mu[j] != mu[j + 1]) return 0;
    return 1;
}

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

static double zv_simple_dee(const double *mu, int centroid)
{
    const zv_shape s = zv_analyse(mu);
    double index = 0.0;
    switch (zv_classify_plateau(mu, &s)) {
    case ZV_CONSTANT:
        return zv_clamp(zv_midpoint());
    case ZV_DECREASING:
        index = s.Rm;
        break;
    case ZV_INCREASING:
        index = s.Lm;
        break;
    case ZV_SINGLE_POINT:
        index = s.L1;
        break;
    case ZV_UNIMODAL:
#if ZV_DEFUZZ == 3
        if (centroid) {
            index = zv_centroid_index(mu, 0, ZV_OUT_N - 1);
            break;
        }
#endif
        index = (s.Lm + s.Rm) / 2.0;
        break;
    default:
#if ZV_DEFUZZ == 3
        if (centroid) {
            index = zv_centroid_index(mu, 0, ZV_OUT_N - 1);
            break;
        }
#endif
        return zv_clamp(zv_value_at(zv_mom_index(mu, &s)));
    }
    (void)centroid;
    return zv_clamp(zv_value_at(index));
}
#endif

#if ZV_DEFUZZ == 2
static double zv_defuzz(const double *mu) { return zv_simple_dee(mu, 0); }
#endif

#if ZV_DEFUZZ == 3
static double zv_defuzz(const double *mu) { return zv_simple_dee(mu, 1); }
#endif

#if ZV_DEFUZZ == 4
/* like the plateau classifier, but an end maximum needs the whole set monotonic, and the symmetric middle case
   the minimum right next to the middle */
static int zv_classify_monotonic(const double *mu, const zv_shape *s)
{
    const int half = ZV_OUT_N / 2;
    if (s->shape == ZV_CONSTANT || s->shape == ZV_SINGLE_POINT) return s->shape;
    if (ZV_OUT_SYM && zv_equals(mu, half, s->M)) {
        if (zv_equals(mu, half - 1, s->m) && zv_non_increasing(mu, half, ZV_OUT_N - 1) &&
            zv_non_decreasing(mu, 0, half - 1))
            return ZV_DECREASING;
        if (zv_equals(mu, half + 1, s->m) && zv_non_decreasing(mu, 0, half) &&
            zv_non_increasing(mu, half + 1, ZV_OUT_N - 1))
            return ZV_INCREASING;
    }
    if (mu[0] == s->M && zv_non_increasing(mu, 0, ZV_OUT_N - 1)) return ZV_DECREASING;
    if (mu[ZV_OUT_N - 1] == s->M && zv_non_decreasing(mu, 0, ZV_OUT_N - 1)) return ZV_INCREASING;
    if (zv_unimodal(mu, s)) return ZV_UNIMODAL;
    return ZV_IRREGULAR;
}

static int zv_nearest(double v) { return (int)floor(v + 0.5); }

static double zv_defuzz(const double *mu)
{
    const zv_shape s = zv_analyse(mu);
    const int half = ZV_OUT_N / 2;
    double index = 0.0;
    int o, t, edge;
    switch (zv_classify_monotonic(mu, &s)) {
    case ZV_CONSTANT:
        return zv_clamp(zv_midpoint());
    case ZV_DECREASING:
        o = zv_nearest(s.Rm - 0.577 * (s.R1 - s.Rm));
        t = ZV_OUT_SYM && s.Rm >= half ? half : 0;
        edge = s.R1;
        if (o < t) edge = zv_nearest(edge - 0.54 * (t - o));
        index = zv_centroid_index(mu, o, edge);
        if (o < t) index = index - (1 - 0.54) * (t - o);
        break;
    case ZV_INCREASING:
        o = zv_nearest(s.Lm + 0.577 * (s.Lm - s.L1));
        t = ZV_OUT_SYM && s.Lm < half ? half : ZV_OUT_N - 1;
        edge = s.L1;
        if (o > t) edge = zv_nearest(edge + 0.54 * (o - t));
        index = zv_centroid_index(mu, edge, o);
        if (o > t) index = index + (1 - 0.54) * (o - t);
        break;
    case ZV_UNIMODAL:
        index = zv_centroid_index(mu, s.L1, s.R1);
        break;
    case ZV_SINGLE_POINT:
        index = s.L1;
        break;
    default:
        index = zv_centroid_index(mu, 0, ZV_OUT_N - 1);
        break;
    }
    return zv_clamp(zv_value_at(index));
}
#endif

#if ZV_DEFUZZ == 6
/* the triangle (a, b, c) at x; a vertical flank counts as 1 at the peak */
static double zv_triangle(double a, double b, double c, double x)
{
    if (x >= b) {
        if (x > c) return 0.0;
        return b != c ? (c - x) / (c - b) : 1.0;
    }
    if (x < a) return 0.0;
    return a != b ? (x - a) / (b - a) : 1.0;
}

/* Simple DEE averaged over a neighbourhood of the inputs, weighted by triangles; 2 when the neighbourhood
   would need more than ZV_MAX_SMOOTH inferences. */
static int zv_smooth(const double *x, const double *mu, double *output)
{
    const int resolution = ZV_STEPS * 8 / 10;
    double from[ZV_IN], to[ZV_IN], step[ZV_IN], point[ZV_IN], weight[ZV_IN];
    double conclusion[ZV_OUT_N];
    double inferences = 1.0, weights = 0.0, sum = 0.0;
    int k;
    for (k = 0; k < ZV_IN; ++k) {
        const double d = (zv_in_high[k] - zv_in_low[k]) / 10;
        step[k] = d * 2 * 0.999 / resolution;
        from[k] = zv_in_low[k] > x[k] - d ? zv_in_low[k] : x[k] - d;
        to[k] = zv_in_high[k] < x[k] + d ? zv_in_high[k] : x[k] + d;
        if (step[k] > 0.0 && isfinite(step[k]) && to[k] - from[k] >= 0.0)
            inferences *= floor((to[k] - from[k]) / step[k]) + 1.0;
        point[k] = from[k];
        weight[k] = zv_triangle(from[k], x[k], to[k], point[k]);
    }
    if (inferences > ZV_MAX_SMOOTH) return 2;
    for (;;) {
        double omega = 1.0;
        zv_infer(point, conclusion);
        for (k = 0; k < ZV_IN; ++k) omega *= weight[k];
        {
            const double v = zv_simple_dee(conclusion, 0);
            weights += omega;
            sum += omega * v;
        }
        for (k = 0; k < ZV_IN; ++k) {
            if (step[k] > 0.0 && isfinite(step[k])) {
                point[k] += step[k];
                if (point[k] <= to[k]) {
                    weight[k] = zv_triangle(from[k], x[k], to[k], point[k]);
                    break;
                }
            }
            point[k] = from[k];
            weight[k] = zv_triangle(from[k], x[k], to[k], point[k]);
        }
        if (k == ZV_IN) break;
    }
    *output = weights != 0.0 ? sum / weights : zv_simple_dee(mu, 0);
    return 0;
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

}  // namespace

std::string_view CRuntimeSource::Prelude() { return kPrelude; }

std::string_view CRuntimeSource::Text() { return kText; }

}  // namespace zorv
