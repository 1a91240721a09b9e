#include "inference/defuzzifiers/DefuzzifierKernels.h"
#include "inference/defuzzifiers/ShapeAnalysis.h"

namespace zorv {

namespace {

enum class UnimodalRule { PlateauMiddle, Centroid };

double SimpleDeeWith(const ConclusionView& c, UnimodalRule rule) {
    const ShapeInfo s = AnalyseShape(c);
    double index = 0.0;
    switch (ClassifyPlateau(c, s)) {
        case ShapeClass::Constant:
            return c.clamp(c.midpoint());
        case ShapeClass::Decreasing:
            index = s.Rm;
            break;
        case ShapeClass::Increasing:
            index = s.Lm;
            break;
        case ShapeClass::SinglePoint:
            index = s.L1;
            break;
        case ShapeClass::Unimodal:
            index = rule == UnimodalRule::PlateauMiddle ? (s.Lm + s.Rm) / 2.0 : CentroidIndex(c, 0, c.n - 1);
            break;
        case ShapeClass::Irregular:
            if (rule == UnimodalRule::PlateauMiddle) return c.clamp(c.valueAt(MeanOfMaximaIndex(c, s)));
            index = CentroidIndex(c, 0, c.n - 1);
            break;
    }
    return c.clamp(c.valueAt(index));
}

}  // namespace

double SimpleDee(const ConclusionView& c) { return SimpleDeeWith(c, UnimodalRule::PlateauMiddle); }

double SimpleDeeCog(const ConclusionView& c) { return SimpleDeeWith(c, UnimodalRule::Centroid); }

}  // namespace zorv
