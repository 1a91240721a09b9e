#include "inference/DefuzzificationMethodTable.h"

#include <array>

#include "fuzzy/sets/CFuzzyDiscreteSet.h"
#include "inference/defuzzifiers/DefuzzifierKernels.h"
#include "inference/defuzzifiers/Defuzzifiers.h"
#include "inference/methods/MethodLookup.h"

namespace zorv {

namespace {

// The table's plain entry point: finds where the conclusion is non-zero (densifying a compact set first).
template <RangedDefuzzifierFn Ranged>
double Whole(const CompiledRuleBase& compiled, Workspace& ws, const CFuzzyDiscreteSet& conclusion) {
    if (conclusion.isDense())
        return Ranged(compiled, ws, conclusion, NonZeroRange(conclusion.values().data(), conclusion.count()));
    CFuzzyDiscreteSet dense = conclusion;
    dense.densify();
    return Ranged(compiled, ws, dense, NonZeroRange(dense.values().data(), dense.count()));
}

constexpr RangedDefuzzifierFn kCog = &DefuzzifyWith<&CenterOfGravity>;
constexpr RangedDefuzzifierFn kModifiedCog = &DefuzzifyWith<&ModifiedCenterOfGravity>;
constexpr RangedDefuzzifierFn kSimpleDee = &DefuzzifyWith<&SimpleDee>;
constexpr RangedDefuzzifierFn kSimpleDeeCog = &DefuzzifyWith<&SimpleDeeCog>;
constexpr RangedDefuzzifierFn kDee = &DefuzzifyWith<&LinguisticDee>;
constexpr RangedDefuzzifierFn kMom = &DefuzzifyWith<&MeanOfMaxima>;
constexpr RangedDefuzzifierFn kSmooth = &DefuzzifySmooth;

// The methods in generated C, each the counterpart of its kernel, over the runtime's helpers (zv_value_at,
// zv_midpoint, zv_clamp, zv_moments, zv_centroid_index, zv_analyse and the shape tests, zv_simple_dee...).

constexpr std::string_view kCogC = R"C(static double zv_defuzz(const double *mu)
{
    double moment, weight;
    zv_moments(mu, 0, ZV_OUT_N - 1, &moment, &weight);
    if (weight == 0.0) return zv_midpoint();
    return zv_value_at(moment / weight);
}
)C";

constexpr std::string_view kModifiedCogC = R"C(static double zv_defuzz(const double *mu)
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
)C";

constexpr std::string_view kSimpleDeeC = R"C(static double zv_defuzz(const double *mu) { return zv_simple_dee(mu); }
)C";

constexpr std::string_view kSimpleDeeCogC = R"C(static double zv_defuzz(const double *mu)
{
    const zv_shape s = zv_analyse(mu);
    const int shape = zv_classify_plateau(mu, &s);
    if (shape == ZV_UNIMODAL || shape == ZV_IRREGULAR) return zv_clamp(zv_value_at(zv_centroid_index(mu, 0, ZV_OUT_N - 1)));
    return zv_simple_dee_of(mu, &s, shape);
}
)C";

constexpr std::string_view kDeeC = R"C(/* like the plateau classifier, but an end maximum needs the whole set monotonic, and the symmetric middle case
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
)C";

constexpr std::string_view kMomC = R"C(static double zv_defuzz(const double *mu)
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
)C";

constexpr std::string_view kSmoothC = R"C(/* the triangle (a, b, c) at x; a vertical flank counts as 1 at the peak */
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
            const double v = zv_simple_dee(conclusion);
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
    *output = weights != 0.0 ? sum / weights : zv_simple_dee(mu);
    return 0;
}
)C";

constexpr std::array<DefuzzificationMethodEntry, 7> kMethods{{
    {.fileKey = "SimpleCenterOfGravity",
     .shortName = "SimpleCOG",
     .displayName = "Simple Center Of Gravity (COG)",
     .help = "the balance point of the whole conclusion",
     .method = &Whole<kCog>,
     .ranged = kCog,
     .smooth = false,
     .c = kCogC,
     .foreign = {"Centroid", true}},
    {.fileKey = "ModifiedCenterOfGravity",
     .shortName = "ModCOG",
     .displayName = "Modified Center Of Gravity",
     .help = "the balance point of the part above the conclusion's lowest level",
     .method = &Whole<kModifiedCog>,
     .ranged = kModifiedCog,
     .smooth = false,
     .c = kModifiedCogC},
    {.fileKey = "SimpDefuzzLingExpression",
     .shortName = "SimpDefuzzLingExpression",
     .displayName = "Simple Defuzzification of Linguistic Expressions (DEE)",
     .help = "the typical value of the expression the shape stands for (the default)",
     .method = &Whole<kSimpleDee>,
     .ranged = kSimpleDee,
     .smooth = false,
     .c = kSimpleDeeC},
    {.fileKey = "SimpDefuzzLingExpression_COG",
     .shortName = "SimpDefuzzLingExpression_COG",
     .displayName = "Simple DEE using COG",
     .help = "as Simple DEE, but a hump or an irregular shape gives its balance point",
     .method = &Whole<kSimpleDeeCog>,
     .ranged = kSimpleDeeCog,
     .smooth = false,
     .c = kSimpleDeeCogC},
    {.fileKey = "DefuzzLingExpression",
     .shortName = "DefuzZorv",
     .displayName = "Defuzzification of Linguistic Expressions",
     .help = "Simple DEE refined: a value down the slopes, a hump's balance point",
     .method = &Whole<kDee>,
     .ranged = kDee,
     .smooth = false,
     .c = kDeeC},
    {.fileKey = "MeanOfMaxima",
     .shortName = "MOM",
     .displayName = "Mean Of Maxima (MOM)",
     .help = "the upper middle of the places where the conclusion is highest",
     .method = &Whole<kMom>,
     .ranged = kMom,
     .smooth = false,
     .c = kMomC,
     .foreign = {"MeanOfMaximum", false}},
    {.fileKey = "Smooth Deffuz Ling Expr",
     .shortName = "SmoothDeffuzLingExpr",
     .displayName = "Smooth Deffuzification of Linguistic Expressions",
     .help = "Simple DEE averaged around the inputs; not with the F-transform filter",
     .method = &Whole<kSmooth>,
     .ranged = kSmooth,
     .smooth = true,
     .c = kSmoothC},
}};

}  // namespace

std::span<const DefuzzificationMethodEntry> DefuzzificationMethodTable() { return kMethods; }

const DefuzzificationMethodEntry* FindDefuzzificationMethod(std::string_view name) {
    return FindMethodNamed<DefuzzificationMethodEntry>(kMethods, name);
}

const DefuzzificationMethodEntry& SimpleDeeMethod() { return kMethods[2]; }

}  // namespace zorv
