#include <cmath>

#include "model/format.h"
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
        // and hidden, and tan_ap and a_p keep their values.
        if (!(std::fabs(ratio) < 1.0)) {
            display_.set_caption(ResultLabel::Label9, "  ");
            return;
        }
        display_.set_visible(ResultLabel::Label9, true);
        s.sin_ap = ratio;
        s.tan_ap = static_cast<float>(s.sin_ap / std::sqrt(1.0 - std::pow(s.sin_ap, 2)));
        s.a_p = std::atan(static_cast<double>(s.tan_ap)) * 180.0 / 3.1415926535;
        display_.set_caption(ResultLabel::Label9,
                             "a_p=" + format_fixed(s.a_p, 3, decimal_separator) + "(" +
                                 format_fixed(180.0 - s.a_p, 3, decimal_separator) + ")");
    } else {
        display_.set_caption(ResultLabel::Label9, "  ");
    }
}

}  // namespace velantra
