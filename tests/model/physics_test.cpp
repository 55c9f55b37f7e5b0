// An independent check of the closed-form path: the ray equation d(n·t)/ds = ∇n for
// n(y) = nmin + (nmax − nmin)·y, integrated by RK4 in arclength, must pass through every
// chord end the walk draws and through the vertex and the crossings.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/support/rig.h"

namespace velantra::testing {
namespace {

struct Ray {
    double x, y, px, py;  // position and n·(unit direction)
};

struct Medium {
    double nmin, g;
    double n(double y) const { return nmin + g * y; }
};

Ray step(const Medium& m, const Ray& r, double h) {
    auto f = [&](const Ray& q) {
        const double n = m.n(q.y);
        return Ray{q.px / n, q.py / n, 0.0, m.g};
    };
    auto add = [](const Ray& a, const Ray& d, double k) {
        return Ray{a.x + k * d.x, a.y + k * d.y, a.px + k * d.px, a.py + k * d.py};
    };
    const Ray k1 = f(r), k2 = f(add(r, k1, h / 2)), k3 = f(add(r, k2, h / 2)),
              k4 = f(add(r, k3, h));
    return Ray{r.x + h / 6 * (k1.x + 2 * k2.x + 2 * k3.x + k4.x),
               r.y + h / 6 * (k1.y + 2 * k2.y + 2 * k3.y + k4.y), r.px, r.py + h * m.g};
}

Ray start(const Medium& m, double x, double y, double theta) {
    const double n = m.n(y);
    return Ray{x, y, n * std::sin(theta), n * std::cos(theta)};
}

// The path as a dense polyline, x monotonic because n·sin(angle) is kept.
std::vector<Ray> trace(const Medium& m, Ray r, double h = 2e-4) {
    std::vector<Ray> out{r};
    while (r.x > -0.5 && r.x < 6.5 && r.y > -0.5 && r.y < 1.5 && out.size() < 200000) {
        r = step(m, r, h);
        out.push_back(r);
    }
    return out;
}

// Distance of a point from the polyline, measured across the path.
double distance(const std::vector<Ray>& path, double x, double y) {
    const bool rising = path.back().x > path.front().x;
    auto it = std::lower_bound(path.begin(), path.end(), x,
                               [&](const Ray& r, double v) { return rising ? r.x < v : r.x > v; });
    if (it == path.begin() || it == path.end()) return 1e9;
    const Ray& b = *it;
    const Ray& a = *(it - 1);
    const double t = (x - a.x) / (b.x - a.x);
    const double slope = (b.y - a.y) / (b.x - a.x);
    return std::fabs(a.y + t * (b.y - a.y) - y) / std::sqrt(1 + slope * slope);
}

struct Case {
    const char* name;
    double nmin;
    float nmax;
    double X0, Yo, a0;
};

// A run of the scene, started in the graded medium.
class Started : public ::testing::TestWithParam<Case> {
  protected:
    void SetUp() override {
        const Case& c = GetParam();
        rig.sim.scene.nmin = c.nmin;
        rig.sim.scene.nmax = c.nmax;
        rig.sim.scene.X0 = c.X0;
        rig.sim.scene.Yo = c.Yo;
        rig.angle(c.a0);
        rig.run();
    }
    Rig rig;
};

TEST_P(Started, ChordEndsLieOnTheIntegratedRay) {
    const Case& c = GetParam();
    const Medium m{c.nmin, static_cast<double>(c.nmax) - c.nmin};
    const auto path = trace(m, start(m, c.X0, c.Yo, static_cast<double>(rig.sim.scene.a0rad)));
    int checked = 0;
    for (const DrawCall& d : rig.surface.calls) {
        if (d.kind == DrawCall::Kind::Line && d.colour == kBlack) break;  // first exit
        if (d.kind != DrawCall::Kind::Line || d.colour != kRay) continue;
        EXPECT_LT(distance(path, d.x2, d.y2), 1e-6) << "at x=" << d.x2;
        ++checked;
    }
    EXPECT_GT(checked, 10);
}

TEST(Physics, EntryVariantFollowsTheRefractedRay) {
    Rig rig;
    rig.sim.scene.Yo = -0.3;
    rig.angle(30);
    rig.run();
    const double a = static_cast<double>(rig.sim.scene.a0rad);
    const double x1 = 2.5 + 0.3 * std::tan(a);
    const double beta = std::asin(1.000292 / 1.3333 * std::sin(a));  // Snell's law
    const Medium m{1.3333, static_cast<double>(1.4f) - 1.3333};
    const auto path = trace(m, start(m, x1, 0, beta));
    const auto red = rig.lines(kRay);
    ASSERT_GT(red.size(), 10u);
    for (std::size_t i = 2; i < red.size(); ++i)
        EXPECT_LT(distance(path, red[i].x2, red[i].y2), 1e-6) << i;
}

// Integrates from the start to where the ray runs horizontally (p_y = 0), then each way
// from there to the boundary level.
TEST_P(Started, VertexAndCrossingsAreOnTheRay) {
    const Case& c = GetParam();
    if (std::fabs(c.a0) == 90) {  // a level start is its own vertex
        EXPECT_NEAR(rig.sim.scene.X90, c.X0, 1e-5);
        EXPECT_NEAR(rig.sim.scene.Y90, c.Yo, 1e-9);
        return;
    }
    const double theta = static_cast<double>(rig.sim.scene.a0rad);
    const Medium m{c.nmin, static_cast<double>(c.nmax) - c.nmin};
    // Invariant: n·sin is kept, and is the whole index where the ray is level.
    EXPECT_NEAR(m.n(rig.sim.scene.Y90), m.n(c.Yo) * std::fabs(std::sin(theta)), 1e-9);
    Ray r = start(m, c.X0, c.Yo, theta);
    const double s_level = -r.py / m.g;
    const int n = 200000;
    for (int i = 0; i < n; ++i) r = step(m, r, s_level / n);
    EXPECT_NEAR(r.x, rig.sim.scene.X90, 1e-6);
    EXPECT_NEAR(r.y, rig.sim.scene.Y90, 1e-6);

    std::vector<double> crossings;
    for (double dir : {1.0, -1.0}) {
        Ray q{r.x, r.y, r.px, 0};
        const double h = dir * 1e-3;
        for (int i = 0; i < 200000; ++i) {
            const Ray next = step(m, q, h);
            if ((q.y < 0) != (next.y < 0)) {
                crossings.push_back(q.x + (next.x - q.x) * (0 - q.y) / (next.y - q.y));
                break;
            }
            q = next;
        }
    }
    std::vector<double> circles;
    for (const DrawCall& d : rig.surface.calls)
        if (d.kind == DrawCall::Kind::Circle && d.y1 == 0) circles.push_back(d.x1);
    ASSERT_EQ(circles.size(), crossings.size());
    for (double x : circles) {
        const double nearest = std::fabs(x - crossings[0]) < std::fabs(x - crossings.back())
                                   ? crossings[0]
                                   : crossings.back();
        EXPECT_NEAR(x, nearest, 1e-6 + 2.4e-7 * std::fabs(x));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Physics, Started,
    ::testing::Values(Case{"RisingDown", 1.3333, 1.4f, 2.5, 0.6, 45},
                      Case{"RisingUpToTheBoundary", 1.3333, 1.4f, 2.5, 0.6, 135},
                      Case{"RisingTurning", 1.3333, 1.4f, 2.5, 0.6, 100},
                      Case{"RisingHorizontalLeft", 1.3333, 1.4f, 4.0, 0.2, -90},
                      Case{"RisingSteeplyFromNearTheTop", 1.3333, 1.6f, 2.5, 0.2, 30},
                      Case{"RisingGentlyFromDeep", 1.4, 1.5f, 2.5, 0.8, 60},
                      Case{"FallingDown", 1.5, 1.2f, 1.0, 0.3, 60},
                      Case{"FallingFromNearTheTop", 1.5, 1.2f, 2.5, 0.1, 20},
                      Case{"FallingUp", 1.5, 1.2f, 3.0, 0.8, -150},
                      Case{"StrongRise", 1.0, 2.0f, 5.0, 0.1, -30},
                      Case{"StrongFall", 2.0, 1.0f, 0.5, 0.5, 80}),
    RowName());

}  // namespace
}  // namespace velantra::testing
