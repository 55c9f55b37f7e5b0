#include <cmath>

#include "model/constants.h"
#include "model/format.h"
#include "model/maths.h"
#include "model/simulation.h"

namespace velantra {

void Simulation::parametr() {
    Scene& s = scene;
    // nmax is compared as stored: 1.3333 typed into both does not count as equal.
    if (static_cast<double>(s.nmax) != s.nmin) {
        s.n_otn_inv = s.nmin / (static_cast<double>(s.nmax) - s.nmin);
        display_.set_caption(ResultLabel::Label7,
                             "n_otn(-1)=" + format_fixed(s.n_otn_inv, 4, decimal_separator) + " ");
    } else {
        display_.set_caption(ResultLabel::Label7, "1/n_otn=оо");
    }

    if (s.Yo > 0) {
        const double ratio = s.n1 / s.nmin;
        // Without a critical angle (|n1/nmin| >= 1, or no ratio at all) the line stays blank
        // and hidden.
        if (!(std::fabs(ratio) < 1.0)) {
            display_.set_caption(ResultLabel::Label9, "  ");
            return;
        }
        display_.set_visible(ResultLabel::Label9, true);
        const double sin_ap = ratio;
        const auto tan_ap = static_cast<float>(sin_ap / std::sqrt(1.0 - maths::squared(sin_ap)));
        const double a_p = maths::atan(static_cast<double>(tan_ap)) * 180.0 / kPi;
        display_.set_caption(ResultLabel::Label9,
                             "a_p=" + format_fixed(a_p, 3, decimal_separator) + "(" +
                                 format_fixed(180.0 - a_p, 3, decimal_separator) + ")");
    } else {
        display_.set_caption(ResultLabel::Label9, "  ");
    }
}

}  // namespace velantra
