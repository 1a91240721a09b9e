#include "LiteralInference.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

#include "fuzzy/operations/C2ArgOper.h"
#include "fuzzy/sets/CFuzzyParamSet.h"
#include "rulebase/CFuzValue.h"
#include "rulebase/CLinCValue.h"

namespace zorv::literal {

namespace {

double Implication(double a, double b) { return CLukasiewiczImplication::op(a, b); }
double TL(double a, double b) { return CLukasiewiczTNorm::op(a, b); }
double Min(double a, double b) { return CMinTNorm::op(a, b); }
double Max(double a, double b) { return CMaxTConorm::op(a, b); }

double A(const CRuleBase& u, int k, int r, double x) { return static_cast<const CFuzValue&>(u.Cell(k, r)).Degree(x); }
double ASample(const CRuleBase& u, int k, int r, int i) {
    return static_cast<const CFuzValue&>(u.Cell(k, r)).Set().valueAt(i);
}
double B(const CRuleBase& u, int r, int j) { return static_cast<const CFuzValue&>(u.Cell(-1, r)).Set().valueAt(j); }

double Degree(const CRuleBase& u, int r, const double* x) {
    double d = 0.0;
    for (int k = 0; k < u.AntecedentCount(); ++k) {
        const double a = A(u, k, r, x[k]);
        d = k == 0 ? a : Min(d, a);
        if (d == 0.0) return 0.0;
    }
    return u.AntecedentCount() == 0 ? 1.0 : d;
}

int Samples(const CRuleBase& u) { return u.Discretization(-1); }

Outcome Start(const CRuleBase& u, double value) {
    Outcome o;
    o.conclusion.assign(static_cast<std::size_t>(Samples(u)), value);
    o.fired.assign(static_cast<std::size_t>(u.RuleCount()), 0);
    return o;
}

void Count(Outcome& o) {
    o.firedCount = 0;
    for (const auto f : o.fired) o.firedCount += f;
}

double Threshold(const CRuleBase& u, const double* x) {
    const double U = u.PerceptionUpper();
    const double L = u.PerceptionLower();
    double t = 1.0;
    for (int k = 0; k < u.AntecedentCount(); ++k) {
        const double c = u.ContextLow(k);
        const double h = u.ContextHigh(k);
        const double xk = x[k];
        double l = 0.0;
        if (!u.Settings(k).symmetric()) {
            const double p = c + 0.4 * (h - c);
            if (xk < p)
                l = L + (U - L) * (p - xk) / (p - c);
            else
                l = L + (U - L) * (xk - p) / (h - p);
        } else {
            const double p = 0.4 * h;
            if (xk >= 0) {
                if (xk < p)
                    l = L + (U - L) * (p - xk) / p;
                else
                    l = L + (U - L) * (xk - p) / (h - p);
            } else {
                const double q = -p;
                if (xk > q)
                    l = L + (U - L) * (xk - q) / (0 - q);
                else
                    l = L + (U - L) * (xk - q) / (c - q);
            }
        }
        t = std::min(t, l);
    }
    return t;
}

}  // namespace

Outcome Cnf(const CRuleBase& u, const double* x) {
    Outcome o = Start(u, 0.0);
    for (int j = 0; j < Samples(u); ++j) {
        double m = 1.0;
        for (int r = 0; r < u.RuleCount(); ++r) {
            if (!u.Enabled(r)) continue;
            const double b = B(u, r, j);
            if (b == 1.0) continue;
            const double d = Degree(u, r, x);
            if (d == 0.0) continue;
            const double v = Implication(d, b);
            if (v == 0.0) {
                m = 0.0;
                o.fired[static_cast<std::size_t>(r)] = 1;
                break;
            }
            if (v < m) {
                m = v;
                o.fired[static_cast<std::size_t>(r)] = 1;
            }
        }
        o.conclusion[static_cast<std::size_t>(j)] = m;
    }
    Count(o);
    return o;
}

Outcome Dnf(const CRuleBase& u, const double* x, TNorm t) {
    const std::function<double(double, double)> T = t == TNorm::Minimum   ? Min
                                                    : t == TNorm::Product ? [](double a, double b) { return a * b; }
                                                                          : TL;
    Outcome o = Start(u, 0.0);
    for (int j = 0; j < Samples(u); ++j) {
        double m = 0.0;
        for (int r = 0; r < u.RuleCount(); ++r) {
            if (!u.Enabled(r)) continue;
            const double b = B(u, r, j);
            if (b == 0.0) continue;
            const double d = Degree(u, r, x);
            if (d == 0.0) continue;
            const double v = T(d, b);
            if (v == 1.0) {
                m = 1.0;
                o.fired[static_cast<std::size_t>(r)] = 1;
                break;
            }
            if (v > m) {
                m = v;
                o.fired[static_cast<std::size_t>(r)] = 1;
            }
        }
        o.conclusion[static_cast<std::size_t>(j)] = m;
    }
    Count(o);
    return o;
}

Outcome LogicalDeduction(const CRuleBase& u, const double* x) {
    Outcome o = Start(u, 0.0);
    const double t = Threshold(u, x);
    double best = 0.0;
    double bestRaw = 0.0;
    std::vector<int> S;
    for (int r = 0; r < u.RuleCount(); ++r) {
        if (!u.Enabled(r)) continue;
        const double d = Degree(u, r, x);
        if (!(d > 0.0)) continue;
        if (d > best && best != t) {
            best = d;
            S = {r};
            bestRaw = d;
            if (best > t) best = t;
        } else if (d == best || d >= t) {
            if (S.empty()) {  // only with a threshold of 0: the first such rule founds the selection
                S = {r};
                bestRaw = d;
                continue;
            }
            const std::uint16_t sr = u.Specificity(r);
            const std::uint16_t sl = u.Specificity(S.back());
            if (sr == sl)
                S.push_back(r);
            else if (sr < sl) {
                S = {r};
                bestRaw = d;
            }
        }
    }
    if (!S.empty()) {
        for (int j = 0; j < Samples(u); ++j) {
            double m = 1.0;
            for (const int r : S) {
                o.fired[static_cast<std::size_t>(r)] = 1;
                const double b = B(u, r, j);
                if (b == 1.0) continue;
                if (b == 0.0) {
                    m = 1.0 - bestRaw;
                    continue;
                }
                const double d = Degree(u, r, x);
                if (d == 0.0) continue;
                const double v = Implication(d, b);
                if (v == 0.0) {
                    m = 0.0;
                    break;
                }
                if (v < m) m = v;
            }
            o.conclusion[static_cast<std::size_t>(j)] = m;
        }
    }
    Count(o);
    return o;
}

namespace {

// Visits every combination (first index fastest) and calls f(index).
void ForEachCombination(const CRuleBase& u, const std::function<void(const std::vector<int>&)>& f) {
    const int n = u.AntecedentCount();
    std::vector<int> i(static_cast<std::size_t>(n), 0);
    for (;;) {
        f(i);
        int k = 0;
        for (; k < n; ++k) {
            if (++i[static_cast<std::size_t>(k)] < u.Discretization(k)) break;
            i[static_cast<std::size_t>(k)] = 0;
        }
        if (k == n) return;
    }
}

double DegreeAt(const CRuleBase& u, int r, const std::vector<int>& i) {
    double d = 1.0;
    for (int k = 0; k < u.AntecedentCount(); ++k) {
        const double a = ASample(u, k, r, i[static_cast<std::size_t>(k)]);
        d = k == 0 ? a : Min(d, a);
        if (d == 0.0) return 0.0;
    }
    return d;
}

}  // namespace

std::vector<double> LogicalFuzzyInput(const CRuleBase& u, const std::vector<std::vector<double>>& X) {
    const int n = Samples(u);
    std::vector<double> C(static_cast<std::size_t>(n), 0.0);
    ForEachCombination(u, [&](const std::vector<int>& i) {
        double mu = u.AntecedentCount() > 0 ? X[0][static_cast<std::size_t>(i[0])] : 1.0;
        if (mu == 0.0) return;
        for (int k = 1; k < u.AntecedentCount(); ++k) {
            const double xk = X[static_cast<std::size_t>(k)][static_cast<std::size_t>(i[static_cast<std::size_t>(k)])];
            if (xk == 0.0) return;
            mu = Min(mu, xk);
        }
        std::vector<double> d(static_cast<std::size_t>(u.RuleCount()));
        for (int r = 0; r < u.RuleCount(); ++r) d[static_cast<std::size_t>(r)] = DegreeAt(u, r, i);
        std::vector<double> R(static_cast<std::size_t>(n), 1.0);
        for (int r = 0; r < u.RuleCount(); ++r) {
            if (!u.Enabled(r)) continue;
            for (int j = 0; j < n; ++j) {
                const double b = B(u, r, j);
                if (R[static_cast<std::size_t>(j)] != 0.0 && b != 1.0)
                    R[static_cast<std::size_t>(j)] = Min(R[static_cast<std::size_t>(j)], Implication(d[static_cast<std::size_t>(r)], b));
            }
        }
        for (int j = 0; j < n; ++j)
            if (C[static_cast<std::size_t>(j)] != 1.0)
                C[static_cast<std::size_t>(j)] = Max(C[static_cast<std::size_t>(j)], TL(mu, R[static_cast<std::size_t>(j)]));
    });
    return C;
}

std::vector<double> FunctionalFuzzyInput(const CRuleBase& u, const std::vector<std::vector<double>>& X) {
    const int n = Samples(u);
    std::vector<double> C(static_cast<std::size_t>(n), 0.0);
    ForEachCombination(u, [&](const std::vector<int>& i) {
        double mu = 1.0;
        for (int k = 0; k < u.AntecedentCount(); ++k)
            mu = Min(mu, X[static_cast<std::size_t>(k)][static_cast<std::size_t>(i[static_cast<std::size_t>(k)])]);
        std::vector<double> R(static_cast<std::size_t>(n), 0.0);
        for (int r = 0; r < u.RuleCount(); ++r) {
            if (!u.Enabled(r)) continue;
            const double d = DegreeAt(u, r, i);
            for (int j = 0; j < n; ++j) R[static_cast<std::size_t>(j)] = Max(R[static_cast<std::size_t>(j)], Min(d, B(u, r, j)));
        }
        for (int j = 0; j < n; ++j)
            C[static_cast<std::size_t>(j)] = Max(C[static_cast<std::size_t>(j)], Min(mu, R[static_cast<std::size_t>(j)]));
    });
    return C;
}

double TakagiSugeno(const CRuleBase& u, const double* x, std::vector<std::uint8_t>* fired) {
    if (fired != nullptr) fired->assign(static_cast<std::size_t>(u.RuleCount()), 0);
    if (u.descriptionType() == DescriptionType::linguistic) return std::numeric_limits<double>::infinity();
    double W = 0.0;
    double S = 0.0;
    for (int r = 0; r < u.RuleCount(); ++r) {
        if (!u.Enabled(r)) continue;
        double w = 1.0;
        for (int k = 0; k < u.AntecedentCount(); ++k) w = k == 0 ? A(u, k, r, x[k]) : Min(w, A(u, k, r, x[k]));
        if (w != 0.0 && fired != nullptr) (*fired)[static_cast<std::size_t>(r)] = 1;
        const std::vector<double>& c = static_cast<const CLinCValue&>(u.Cell(-1, r)).Coefficients();
        double y = c[0];
        if (u.descriptionType() == DescriptionType::takagi_sugeno)
            for (int k = 0; k < u.AntecedentCount(); ++k) y += c[static_cast<std::size_t>(k) + 1] * x[k];
        W += w;
        S += w * y;
    }
    if (W != 0.0) return S / W;
    return (u.ContextLow(-1) + u.ContextHigh(-1)) * 0.5;
}

Outcome Infer(const CRuleBase& u, std::string_view key, const double* x) {
    if (key == "Fuzzy_Approximation-logical") return Cnf(u, x);
    if (key == "Logical_Deduction") return LogicalDeduction(u, x);
    if (key == "Fuzzy_Approximation-functional") return Dnf(u, x, TNorm::Minimum);
    if (key == "Fuzzy_Approximation-func_prod") return Dnf(u, x, TNorm::Product);
    if (key == "Fuzzy_Approximation-func_luk") return Dnf(u, x, TNorm::Lukasiewicz);
    std::vector<std::vector<double>> X;
    for (int k = 0; k < u.AntecedentCount(); ++k) {
        const int n = u.Discretization(k);
        std::vector<double> s(static_cast<std::size_t>(n), 0.0);
        const double lo = u.ContextLow(k);
        const double hi = u.ContextHigh(k);
        if (x[k] >= lo && x[k] <= hi)
            s[static_cast<std::size_t>(std::clamp(static_cast<int>(std::floor((x[k] - lo) * (n - 1) / (hi - lo) + 0.5)), 0, n - 1))] = 1.0;
        X.push_back(s);
    }
    Outcome o;
    o.conclusion = key == "LLogInfFuz" ? LogicalFuzzyInput(u, X) : FunctionalFuzzyInput(u, X);
    return o;
}

// ---- defuzzification

namespace {

int N1(const Conclusion& c) { return static_cast<int>(c.mu.size()) - 1; }
double Value(const Conclusion& c, double index) { return c.lo + (index / N1(c)) * (c.hi - c.lo); }
double Mid(const Conclusion& c) { return (c.lo + c.hi) * 0.5; }
double Clamp(const Conclusion& c, double v) { return std::min(std::max(v, c.lo), c.hi); }
double At(const Conclusion& c, int j) { return c.mu[static_cast<std::size_t>(j)]; }
int Size(const Conclusion& c) { return static_cast<int>(c.mu.size()); }

double Centroid(const Conclusion& c, int a, int b) {
    const int a1 = std::max(a, 0);
    const int b1 = std::min(b, Size(c) - 1);
    double s = 0.0;
    double w = 0.0;
    for (int j = a1; j <= b1; ++j) {
        s += j * At(c, j);
        w += At(c, j);
    }
    if (w == 0.0) return (a + b) / 2;
    return s / w;
}

enum Shape { Decreasing, Unimodal, Increasing, SinglePoint, Constant, Irregular };

struct Analysis {
    double m = 1.0;
    double M = 0.0;
    int L1 = 0, R1 = 0, Lm = 0, Rm = 0;
    Shape shape = Irregular;
};

Analysis Analyse(const Conclusion& c) {
    Analysis s;
    for (const double v : c.mu) {
        if (v < s.m) s.m = v;
        if (v > s.M) s.M = v;
    }
    if (s.m == s.M) {
        s.shape = Constant;
        return s;
    }
    const int n = Size(c);
    s.L1 = 0;
    while (!(At(c, s.L1) > s.m)) ++s.L1;
    s.R1 = n - 1;
    while (!(At(c, s.R1) > s.m)) --s.R1;
    s.Lm = s.L1;
    while (At(c, s.Lm) != s.M) ++s.Lm;
    s.Rm = s.R1;
    while (At(c, s.Rm) != s.M) --s.Rm;
    if (s.L1 == s.R1) s.shape = SinglePoint;
    return s;
}

bool NonDecreasing(const Conclusion& c, int a, int b) {
    for (int j = a + 1; j <= b; ++j)
        if (!(At(c, j) >= At(c, j - 1))) return false;
    return true;
}
bool NonIncreasing(const Conclusion& c, int a, int b) {
    for (int j = b - 1; j >= a; --j)
        if (!(At(c, j) >= At(c, j + 1))) return false;
    return true;
}
bool ConstantOn(const Conclusion& c, int a, int b) {
    for (int j = b - 1; j >= a; --j)
        if (At(c, j) != At(c, j + 1)) return false;
    return true;
}

Shape ClassifyB(const Conclusion& c, const Analysis& s) {
    if (s.shape == Constant || s.shape == SinglePoint) return s.shape;
    const int n = Size(c);
    const int half = n / 2;
    if (c.symmetric) {
        if (At(c, half) == s.M && ConstantOn(c, 0, half - 1)) return Decreasing;
        if (At(c, half) == s.M && ConstantOn(c, half + 1, n - 1)) return Increasing;
    }
    if (At(c, 0) == s.M) return Decreasing;
    if (At(c, n - 1) == s.M) return Increasing;
    if (At(c, s.Lm) == s.M && NonIncreasing(c, s.Lm, n - 1) && NonDecreasing(c, 0, s.Lm)) return Unimodal;
    return Irregular;
}

Shape ClassifyA(const Conclusion& c, const Analysis& s) {
    if (s.shape == Constant || s.shape == SinglePoint) return s.shape;
    const int n = Size(c);
    const int half = n / 2;
    if (c.symmetric) {
        if (At(c, half) == s.M && half - 1 >= 0 && At(c, half - 1) == s.m && NonIncreasing(c, half, n - 1) &&
            NonDecreasing(c, 0, half - 1))
            return Decreasing;
        if (At(c, half) == s.M && half + 1 < n && At(c, half + 1) == s.m && NonDecreasing(c, 0, half) &&
            NonIncreasing(c, half + 1, n - 1))
            return Increasing;
    }
    if (At(c, 0) == s.M && NonIncreasing(c, 0, n - 1)) return Decreasing;
    if (At(c, n - 1) == s.M && NonDecreasing(c, 0, n - 1)) return Increasing;
    if (At(c, s.Lm) == s.M && NonIncreasing(c, s.Lm, n - 1) && NonDecreasing(c, 0, s.Lm)) return Unimodal;
    return Irregular;
}

int Nearest(double v) { return static_cast<int>(std::floor(v + 0.5)); }

}  // namespace

double Cog(const Conclusion& c) {
    double s = 0.0;
    double w = 0.0;
    for (int j = 0; j < Size(c); ++j) {
        s += j * At(c, j);
        w += At(c, j);
    }
    if (w == 0.0) return Mid(c);
    return Value(c, s / w);
}

double ModifiedCog(const Conclusion& c) {
    double m = 1.0;
    for (const double v : c.mu) m = std::min(m, v);
    double s = 0.0;
    double w = 0.0;
    bool any = false;
    for (int j = 0; j < Size(c); ++j) {
        if (At(c, j) > m) {
            s += j * At(c, j);
            w += At(c, j);
            any = true;
        }
    }
    if (!any) return Mid(c);
    return Value(c, s / w);
}

double Mom(const Conclusion& c) {
    double M = 0.0;
    for (const double v : c.mu) M = std::max(M, v);
    std::vector<int> maxima;
    for (int j = 0; j < Size(c); ++j)
        if (At(c, j) == M) maxima.push_back(j);
    const int index = maxima[maxima.size() / 2];
    return Value(c, index);
}

namespace {

double SimpleDeeWith(const Conclusion& c, bool cogVariant) {
    const Analysis s = Analyse(c);
    double index = 0.0;
    switch (ClassifyB(c, s)) {
        case Decreasing:
            index = s.Rm;
            break;
        case Unimodal:
            index = cogVariant ? Centroid(c, 0, Size(c) - 1) : (s.Lm + s.Rm) / 2.0;
            break;
        case Increasing:
            index = s.Lm;
            break;
        case SinglePoint:
            index = s.L1;
            break;
        case Constant:
            return Clamp(c, Mid(c));
        case Irregular:
            if (!cogVariant) return Clamp(c, Mom(c));
            index = Centroid(c, 0, Size(c) - 1);
            break;
    }
    return Clamp(c, Value(c, index));
}

}  // namespace

double SimpleDee(const Conclusion& c) { return SimpleDeeWith(c, false); }
double SimpleDeeCog(const Conclusion& c) { return SimpleDeeWith(c, true); }

double Dee(const Conclusion& c) {
    const Analysis s = Analyse(c);
    const int n = Size(c);
    const int half = n / 2;
    double index = 0.0;
    switch (ClassifyA(c, s)) {
        case Decreasing: {
            const int o = Nearest(s.Rm - 0.577 * (s.R1 - s.Rm));
            const int t = c.symmetric && s.Rm >= half ? half : 0;
            int R1 = s.R1;
            if (o < t) R1 = Nearest(R1 - 0.54 * (t - o));
            index = Centroid(c, o, R1);
            if (o < t) index = index - (1 - 0.54) * (t - o);
            break;
        }
        case Unimodal:
            index = Centroid(c, s.L1, s.R1);
            break;
        case Increasing: {
            const int o = Nearest(s.Lm + 0.577 * (s.Lm - s.L1));
            const int t = c.symmetric && s.Lm < half ? half : n - 1;
            int L1 = s.L1;
            if (o > t) L1 = Nearest(L1 + 0.54 * (o - t));
            index = Centroid(c, L1, o);
            if (o > t) index = index + (1 - 0.54) * (o - t);
            break;
        }
        case SinglePoint:
            index = s.L1;
            break;
        case Constant:
            return Clamp(c, Mid(c));
        case Irregular:
            index = Centroid(c, 0, n - 1);
            break;
    }
    return Clamp(c, Value(c, index));
}

Conclusion ConclusionOf(const CRuleBase& u, std::vector<double> mu) {
    return {std::move(mu), u.ContextLow(-1), u.ContextHigh(-1), u.Settings(-1).symmetric()};
}

double Smooth(const CRuleBase& u, std::string_view key, const double* x) {
    const int n = u.AntecedentCount();
    const int R = u.Steps() * 8 / 10;
    std::vector<double> from(static_cast<std::size_t>(n)), to(static_cast<std::size_t>(n)),
        step(static_cast<std::size_t>(n)), p(static_cast<std::size_t>(n));
    std::vector<CFuzzyTriangSet> w;
    for (int k = 0; k < n; ++k) {
        const auto K = static_cast<std::size_t>(k);
        const double lo = u.ContextLow(k);
        const double hi = u.ContextHigh(k);
        const double d = (hi - lo) / 10;
        step[K] = d * 2 * 0.999 / R;
        from[K] = std::max(lo, x[k] - d);
        to[K] = std::min(hi, x[k] + d);
        w.emplace_back(from[K], x[k], to[K], lo, hi);
        p[K] = from[K];
    }
    double W = 0.0;
    double S = 0.0;
    for (;;) {
        const double v = SimpleDee(ConclusionOf(u, Infer(u, key, p.data()).conclusion));
        double omega = 1.0;
        for (int k = 0; k < n; ++k) omega *= w[static_cast<std::size_t>(k)].mu(p[static_cast<std::size_t>(k)]);
        W += omega;
        S += omega * v;
        int k = 0;
        for (; k < n; ++k) {
            const auto K = static_cast<std::size_t>(k);
            p[K] += step[K];
            if (p[K] <= to[K]) break;
            p[K] = from[K];
        }
        if (k == n) break;
    }
    return W != 0.0 ? S / W : 0.0;
}

}  // namespace zorv::literal
