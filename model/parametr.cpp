#include <cmath>

#include "model/format.h"
#include "model/simulation.h"
#include "model/simulation_detail.h"

namespace velantra {

void Simulation::parametr() {
    Scene& s = scene;
    // nmax is single precision: 1.3333 typed into both boxes does not compare equal.
    if (static_cast<double>(s.nmax) != s.nmin) {
        s.n_otn_inv = s.nmin / (static_cast<double>(s.nmax) - s.nmin);
        display_.set_caption(ResultLabel::Label7,
                             "n_otn(-1)=" + format_fixed(s.n_otn_inv, 4, decimal_separator) + " ");
    } else {
        display_.set_caption(ResultLabel::Label7, "1/n_otn=оо");
    }

    if (s.Yo > 0) {
        s.sin_ap = s.n1 / s.nmin;
        // No critical angle when n1 >= nmin (left by a reset) or nmin is zero: blank line.
        if (!(std::fabs(s.sin_ap) < 1.0)) {
            display_.set_caption(ResultLabel::Label9, "  ");
            return;
        }
        display_.set_visible(ResultLabel::Label9, true);
        s.tan_ap = static_cast<float>(s.sin_ap / std::sqrt(1.0 - s.sin_ap * s.sin_ap));
        s.a_p = std::atan(static_cast<double>(s.tan_ap)) * 180.0 / detail::kPi;
        display_.set_caption(ResultLabel::Label9,
                             "a_p=" + format_fixed(s.a_p, 3, decimal_separator) + "(" +
                                 format_fixed(180.0 - s.a_p, 3, decimal_separator) + ")");
    } else {
        display_.set_caption(ResultLabel::Label9, "  ");
    }
}

}  // namespace velantra
