#include "ftransform/partition/TFuzzyNumberCover.h"

namespace zorv {

namespace {

double square(double v) { return v * v; }

}  // namespace

TFuzzyNumberCover::TFuzzyNumberCover(double a, double b)
    : TFuzzyCover(a, b),
      dl_(c_ - a_),
      dr_(b_ - c_),
      p1L_(c_ - 0.2 * dl_),
      p1R_(c_ + 0.2 * dr_),
      p2L_(c_ - 0.5 * dl_),
      p2R_(c_ + 0.5 * dr_),
      p3L_(c_ - 0.8 * dl_),
      p3R_(c_ + 0.8 * dr_) {}

double TFuzzyNumberCover::membership(double x) const {
    if (p1L_ <= x && x <= p1R_) {
        return 1.0;
    }
    if (x <= p3L_ || x >= p3R_) {
        return 0.0;
    }
    if (p2L_ <= x && x < p1L_) {
        return 1.0 - square(p1L_ - x) / (square(dl_) * kK1);
    }
    if (p3L_ < x && x < p2L_) {
        return square(x - p3L_) / (square(dl_) * kK2);
    }
    if (p1R_ < x && x <= p2R_) {
        return 1.0 - square(p1R_ - x) / (square(dr_) * kK1);
    }
    if (p2R_ < x && x < p3R_) {
        return square(x - p3R_) / (square(dr_) * kK2);
    }
    return 0.0;
}

}  // namespace zorv
