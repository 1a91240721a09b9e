#include <gtest/gtest.h>

#include <vector>

#include "inference/defuzzifiers/DefuzzifierKernels.h"
#include "inference/defuzzifiers/ShapeAnalysis.h"

namespace zorv {

namespace {

struct Samples {
    std::vector<double> mu;
    double lo = 0.0;
    double hi = 10.0;
    bool symmetric = false;

    ConclusionView View() const {
        const int n = static_cast<int>(mu.size());
        return {mu.data(), n, NonZeroRange(mu.data(), n), lo, hi, symmetric};
    }
};

// 11 samples over <0, 10>: sample j stands for j.
Samples Grid(std::vector<double> mu) { return {std::move(mu)}; }
// 11 samples over <-5, 5> marked symmetric: sample j stands for j - 5.
Samples Symmetric(std::vector<double> mu) { return {std::move(mu), -5.0, 5.0, true}; }

const std::vector<double> kSmall{1, 1, 1, 0.75, 0.5, 0.25, 0, 0, 0, 0, 0};       // plateau 0..2, foot at 6
const std::vector<double> kBig{0, 0, 0, 0, 0, 0.25, 0.5, 0.75, 1, 1, 1};         // mirror image
const std::vector<double> kMedium{0, 0, 0.5, 1, 1, 1, 1, 1, 0.5, 0, 0};          // plateau 3..7
const std::vector<double> kTwoPeaks{0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0};            // maxima at 1 and 8
const std::vector<double> kSinglePoint{0.2, 0.2, 0.2, 0.2, 0.7, 0.2, 0.2, 0.2, 0.2, 0.2, 0.2};
const std::vector<double> kZero(11, 0.0);
const std::vector<double> kConstant(11, 0.4);

struct ShapeCase {
    const char* name;
    Samples samples;
    ShapeClass plateau;    // classifier of the simple DEE variants
    ShapeClass monotonic;  // classifier of DEE
};

}  // namespace

TEST(ShapeAnalysis, LandmarksOfASmallLikeConclusion) {
    const Samples s = Grid(kSmall);
    const ShapeInfo info = AnalyseShape(s.View());
    EXPECT_EQ(info.m, 0.0);
    EXPECT_EQ(info.M, 1.0);
    EXPECT_EQ(info.L1, 0);
    EXPECT_EQ(info.R1, 5);
    EXPECT_EQ(info.Lm, 0);
    EXPECT_EQ(info.Rm, 2);
}

TEST(ShapeAnalysis, ClassifiersTellTheShapesApart) {
    const ShapeCase cases[] = {
        {"small-like", Grid(kSmall), ShapeClass::Decreasing, ShapeClass::Decreasing},
        {"big-like", Grid(kBig), ShapeClass::Increasing, ShapeClass::Increasing},
        {"medium-like", Grid(kMedium), ShapeClass::Unimodal, ShapeClass::Unimodal},
        {"two peaks", Grid(kTwoPeaks), ShapeClass::Irregular, ShapeClass::Irregular},
        {"single point", Grid(kSinglePoint), ShapeClass::SinglePoint, ShapeClass::SinglePoint},
        {"all zero", Grid(kZero), ShapeClass::Constant, ShapeClass::Constant},
        {"constant", Grid(kConstant), ShapeClass::Constant, ShapeClass::Constant},
        // A maximum at the left end with a bump further right: the plateau rule says Decreasing, the monotonic
        // one does not accept it.
        {"left maximum, later bump", Grid({1, 0.5, 0, 0, 0.6, 0, 0, 0, 0, 0, 0}), ShapeClass::Decreasing,
         ShapeClass::Irregular},
        // Symmetric context: the maximum in the middle with a flat left half is "-small"-like...
        {"symmetric, flat left", Symmetric({0, 0, 0, 0, 0, 1, 0.5, 0, 0, 0, 0}), ShapeClass::Decreasing,
         ShapeClass::Decreasing},
        // ...with a flat right half "+small"-like.
        {"symmetric, flat right", Symmetric({0, 0, 0, 0.3, 0.6, 1, 0, 0, 0, 0, 0}), ShapeClass::Increasing,
         ShapeClass::Increasing},
        // The same left-flat conclusion on a context not marked symmetric is a hill.
        {"not symmetric", Grid({0, 0, 0, 0, 0, 1, 0.5, 0, 0, 0, 0}), ShapeClass::Unimodal, ShapeClass::Unimodal},
    };
    for (const ShapeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ConclusionView view = c.samples.View();
        const ShapeInfo info = AnalyseShape(view);
        EXPECT_EQ(ClassifyPlateau(view, info), c.plateau);
        EXPECT_EQ(ClassifyMonotonic(view, info), c.monotonic);
    }
}

TEST(ShapeAnalysis, MonotonyChecksTreatTheSamplesOutsideTheRangeAsZero) {
    const Samples s = Grid({0, 0, 0.5, 1, 0.5, 0, 0, 0, 0, 0, 0});
    const ConclusionView v = s.View();
    EXPECT_TRUE(NonDecreasing(v, 0, 3));
    EXPECT_FALSE(NonDecreasing(v, 0, 4));
    EXPECT_TRUE(NonIncreasing(v, 3, 10));
    EXPECT_FALSE(NonIncreasing(v, 2, 10));
    EXPECT_TRUE(ConstantOn(v, 5, 10));
    EXPECT_FALSE(ConstantOn(v, 4, 10));
    EXPECT_TRUE(ConstantOn(v, 0, 1));
}

struct ValueCase {
    const char* name;
    Samples samples;
    double (*method)(const ConclusionView&);
    double expected;
};

TEST(Defuzzifiers, ValuesOfTypicalAndDegenerateConclusions) {
    const ValueCase cases[] = {
        // Centre of gravity.
        {"COG of a symmetric hill", Grid(kMedium), CenterOfGravity, 5.0},
        {"COG of all zeros is the midpoint", Grid(kZero), CenterOfGravity, 5.0},
        {"COG of a single sample", Grid({0, 0, 0, 0.3, 0, 0, 0, 0, 0, 0, 0}), CenterOfGravity, 3.0},
        {"COG weighs every sample", Grid({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}), CenterOfGravity, 5.0},
        // Modified COG leaves the samples at the minimum out (no level is subtracted).
        {"modified COG skips the floor", Grid({0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 1, 1, 0.5}),
         ModifiedCenterOfGravity, 8.5},
        {"modified COG of a constant is the midpoint", Grid(kConstant), ModifiedCenterOfGravity, 5.0},
        // Mean of maxima: the upper middle of the maxima.
        {"MOM with maxima at 2 and 5", Grid({0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0}), MeanOfMaxima, 5.0},
        {"MOM with three maxima", Grid({0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0}), MeanOfMaxima, 2.0},
        {"MOM of all zeros is the middle sample", Grid(kZero), MeanOfMaxima, 5.0},
        // Simple DEE.
        {"simple DEE of small: right end of the plateau", Grid(kSmall), SimpleDee, 2.0},
        {"simple DEE of big: left end of the plateau", Grid(kBig), SimpleDee, 8.0},
        {"simple DEE of medium: middle of the plateau", Grid(kMedium), SimpleDee, 5.0},
        {"simple DEE of a single point", Grid(kSinglePoint), SimpleDee, 4.0},
        {"simple DEE of a constant", Grid(kConstant), SimpleDee, 5.0},
        {"simple DEE of all zeros", Grid(kZero), SimpleDee, 5.0},
        {"simple DEE of two peaks is MOM", Grid(kTwoPeaks), SimpleDee, 8.0},
        {"simple DEE, symmetric -small", Symmetric({0, 0, 0, 0, 0, 1, 0.5, 0, 0, 0, 0}), SimpleDee, 0.0},
        // Simple DEE using COG.
        {"simple DEE/COG of medium: centroid", Grid({0, 0, 0.5, 1, 1, 1, 1, 1, 0, 0, 0}), SimpleDeeCog,
         (2 * 0.5 + 3 + 4 + 5 + 6 + 7) / 5.5},
        {"simple DEE/COG of two peaks: centroid", Grid(kTwoPeaks), SimpleDeeCog, 4.5},
        {"simple DEE/COG of small stays at the plateau end", Grid(kSmall), SimpleDeeCog, 2.0},
        // DEE: the centroid of the typical part of the slope.
        {"DEE of a single point", Grid(kSinglePoint), LinguisticDee, 4.0},
        {"DEE of a constant", Grid(kConstant), LinguisticDee, 5.0},
        {"DEE of two peaks: centroid", Grid(kTwoPeaks), LinguisticDee, 4.5},
        {"DEE of medium: centroid of the non-minimal part", Grid(kMedium), LinguisticDee, 5.0},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(c.method(c.samples.View()), c.expected, 1e-12);
    }
}

TEST(Defuzzifiers, DeeOfASmallLikeConclusionIsTheCentroidOfItsTypicalPart) {
    // R1 = 5, Rm = 2: o = nearest(2 - 0.577 * 3) = 0, so the centroid runs over samples 0..5.
    const Samples small = Grid(kSmall);
    const ConclusionView v = small.View();
    EXPECT_NEAR(LinguisticDee(v), (0 * 1 + 1 * 1 + 2 * 1 + 3 * 0.75 + 4 * 0.5 + 5 * 0.25) / 4.5, 1e-12);
    // A long plateau: o = nearest(6 - 0.577 * 2) = 5 > 0, the centroid of samples 5..8 lies past the plateau's end.
    const Samples plateau = Grid({1, 1, 1, 1, 1, 1, 1, 0.5, 0.25, 0, 0});
    const ConclusionView w = plateau.View();
    EXPECT_NEAR(LinguisticDee(w), (5 + 6 + 7 * 0.5 + 8 * 0.25) / 2.75, 1e-12);
}

TEST(Defuzzifiers, DeeOnASymmetricContextAimsAtTheMiddle) {
    // "-small"-like: the maximum at the middle (5), falling to the right until 8; Rm = 5 >= half, so t = 5 and
    // o = nearest(5 - 0.577 * 3) = 3 < t: R1 = nearest(8 - 0.54 * 2) = 7, centroid of 3..7 moved left by 0.46 * 2.
    const Samples s = Symmetric({0, 0, 0, 0, 0, 1, 0.6, 0.3, 0.1, 0, 0});
    const double centroid = (5 * 1 + 6 * 0.6 + 7 * 0.3) / 1.9;
    EXPECT_NEAR(LinguisticDee(s.View()), -5.0 + (centroid - (1 - 0.54) * 2), 1e-12);
}

TEST(Defuzzifiers, DeePullsAnOvershootBackInside) {
    // Big-like with the plateau starting at 9 and a long slope: o = nearest(9 + 0.577 * 8) = 14 > t = 10,
    // so L1 moves to nearest(1 + 0.54 * 4) = 3 and the centroid over 3..14 moves right by 0.46 * 4.
    const Samples s = Grid({0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 1, 1});
    const ConclusionView v = s.View();
    double moment = 0.0;
    double weight = 0.0;
    for (int j = 3; j <= 10; ++j) {
        moment += j * s.mu[static_cast<std::size_t>(j)];
        weight += s.mu[static_cast<std::size_t>(j)];
    }
    const double expected = std::min(10.0, moment / weight + (1 - 0.54) * 4);
    EXPECT_NEAR(LinguisticDee(v), expected, 1e-12);
}

TEST(Defuzzifiers, CentroidOfAnEmptyStretchIsItsIntegerMiddle) {
    const Samples zero = Grid(kZero);
    const ConclusionView v = zero.View();
    EXPECT_EQ(CentroidIndex(v, 2, 7), 4.0);
    EXPECT_EQ(CentroidIndex(v, -3, 0), -1.0);  // truncation towards zero
    const Samples medium = Grid(kMedium);
    EXPECT_EQ(CentroidIndex(medium.View(), -4, 20), 5.0);  // clipped to the grid
}

TEST(Defuzzifiers, DegenerateGrids) {
    const std::vector<double> one{0.7};
    const ConclusionView single{one.data(), 1, {0, 0}, 2.0, 4.0, false};
    EXPECT_EQ(CenterOfGravity(single), 2.0);  // the only sample stands for the low end
    EXPECT_EQ(SimpleDee(single), 3.0);        // one value: a constant conclusion
    EXPECT_EQ(MeanOfMaxima(single), 2.0);
    const ConclusionView empty{nullptr, 0, {}, 2.0, 4.0, false};
    EXPECT_EQ(CenterOfGravity(empty), 3.0);
    EXPECT_EQ(SimpleDee(empty), 3.0);
    EXPECT_EQ(LinguisticDee(empty), 3.0);
    EXPECT_EQ(MeanOfMaxima(empty), 3.0);
}

}  // namespace zorv
