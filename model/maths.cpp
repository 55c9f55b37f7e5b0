#include "model/maths.h"

#include <cmath>
#include <limits>

namespace velantra::maths {

namespace {

// A value hi + lo with |lo| <= half an ulp of hi: about 106 bits. The operations are
// Dekker's and Knuth's exact transformations, without fused multiply-add.
struct DD {
    double hi, lo;
};

DD two_sum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

DD fast_two_sum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

void split(double a, double& hi, double& lo) {
    const double c = 134217729.0 * a;  // 2^27 + 1
    hi = c - (c - a);
    lo = a - hi;
}

DD two_prod(double a, double b) {
    const double p = a * b;
    double ah, al, bh, bl;
    split(a, ah, al);
    split(b, bh, bl);
    return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

DD add(DD a, DD b) {
    const DD s = two_sum(a.hi, b.hi);
    const DD t = two_sum(a.lo, b.lo);
    DD r = fast_two_sum(s.hi, s.lo + t.hi);
    return fast_two_sum(r.hi, r.lo + t.lo);
}

DD neg(DD a) { return {-a.hi, -a.lo}; }

DD mul(DD a, DD b) {
    const DD p = two_prod(a.hi, b.hi);
    return fast_two_sum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

DD mul(DD a, double b) {
    const DD p = two_prod(a.hi, b);
    return fast_two_sum(p.hi, p.lo + a.lo * b);
}

DD div(DD a, DD b) {
    const double q1 = a.hi / b.hi;
    DD r = add(a, neg(mul(b, q1)));
    const double q2 = r.hi / b.hi;
    r = add(r, neg(mul(b, q2)));
    const double q3 = r.hi / b.hi;
    return add(fast_two_sum(q1, q2), DD{q3, 0});
}

DD scale(DD a, int e) { return {std::ldexp(a.hi, e), std::ldexp(a.lo, e)}; }

// The double nearest to hi + lo.
double rounded(DD a) { return a.hi + a.lo; }

// 1/n!, n = 0..30.
constexpr DD kInvFact[] = {
    {0x1.0000000000000p+0, 0x0.0p+0},                  // 1/0!
    {0x1.0000000000000p+0, 0x0.0p+0},                  // 1/1!
    {0x1.0000000000000p-1, 0x0.0p+0},                  // 1/2!
    {0x1.5555555555555p-3, 0x1.5555555555555p-57},     // 1/3!
    {0x1.5555555555555p-5, 0x1.5555555555555p-59},     // 1/4!
    {0x1.1111111111111p-7, 0x1.1111111111111p-63},     // 1/5!
    {0x1.6c16c16c16c17p-10, -0x1.f49f49f49f49fp-65},   // 1/6!
    {0x1.a01a01a01a01ap-13, 0x1.a01a01a01a01ap-73},    // 1/7!
    {0x1.a01a01a01a01ap-16, 0x1.a01a01a01a01ap-76},    // 1/8!
    {0x1.71de3a556c734p-19, -0x1.c154f8ddc6c00p-73},   // 1/9!
    {0x1.27e4fb7789f5cp-22, 0x1.cbbc05b4fa99ap-76},    // 1/10!
    {0x1.ae64567f544e4p-26, -0x1.c062e06d1f209p-80},   // 1/11!
    {0x1.1eed8eff8d898p-29, -0x1.2aec959e14c06p-83},   // 1/12!
    {0x1.6124613a86d09p-33, 0x1.f28e0cc748ebep-87},    // 1/13!
    {0x1.93974a8c07c9dp-37, 0x1.05d6f8a2efd1fp-92},    // 1/14!
    {0x1.ae7f3e733b81fp-41, 0x1.1d8656b0ee8cbp-97},    // 1/15!
    {0x1.ae7f3e733b81fp-45, 0x1.1d8656b0ee8cbp-101},   // 1/16!
    {0x1.952c77030ad4ap-49, 0x1.ac981465ddc6cp-103},   // 1/17!
    {0x1.6827863b97d97p-53, 0x1.eec01221a8b0bp-107},   // 1/18!
    {0x1.2f49b46814157p-57, 0x1.2650f61dbdcb4p-112},   // 1/19!
    {0x1.e542ba4020225p-62, 0x1.ea72b4afe3c2fp-120},   // 1/20!
    {0x1.71b8ef6dcf572p-66, -0x1.d043ae40c4647p-120},  // 1/21!
    {0x1.0ce396db7f853p-70, -0x1.aebcdbd20331cp-124},  // 1/22!
    {0x1.761b41316381ap-75, -0x1.3423c7d91404fp-130},  // 1/23!
    {0x1.f2cf01972f578p-80, -0x1.9ada5fcc1ab14p-135},  // 1/24!
    {0x1.3f3ccdd165fa9p-84, -0x1.58ddadf344487p-139},  // 1/25!
    {0x1.88e85fc6a4e5ap-89, -0x1.71c37ebd16540p-143},  // 1/26!
    {0x1.d1ab1c2dccea3p-94, 0x1.054d0c78aea14p-149},   // 1/27!
    {0x1.0a18a2635085dp-98, 0x1.b9e2e28e1aa54p-153},   // 1/28!
    {0x1.259f98b4358adp-103, 0x1.eaf8c39dd9bc5p-157},  // 1/29!
    {0x1.3932c5047d60ep-108, 0x1.832b7b530a627p-162},  // 1/30!
};

constexpr DD kLn2[] = {{0x1.62e42fefa39efp-1, 0x1.abc9e3b39803fp-56}, {0x1.7b57a079a1934p-111, 0}};
constexpr double kPio2[] = {0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54, -0x1.f1976b7ed8fbcp-110};
constexpr DD kPio2dd = {0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54};

// sin r and cos r of |r| <= pi/4 (a little more is fine) by their series.
DD sin_series(DD r) {
    const DD r2 = mul(r, r);
    DD p = kInvFact[29];
    for (int n = 27; n >= 1; n -= 2) p = add(mul(mul(p, r2), -1.0), kInvFact[n]);
    return mul(p, r);
}

DD cos_series(DD r) {
    const DD r2 = mul(r, r);
    DD p = kInvFact[30];
    for (int n = 28; n >= 0; n -= 2) p = add(mul(mul(p, r2), -1.0), kInvFact[n]);
    return p;
}

// x = q·pi/2 + r with |r| <= pi/4; exact to about 2^-100 relative for |x| below 2^30, the
// model's angles lying within ±pi. Beyond that the quadrant comes from remainder().
DD reduce(double x, int& quadrant) {
    double k = std::nearbyint(x * 0x1.45f306dc9c883p-1);
    if (std::fabs(k) > 0x1p30) {
        // Far arguments: one period taken off exactly in double, then the near reduction.
        const double y = std::remainder(x, 2 * kPio2[0] * 2);
        return reduce(y, quadrant);
    }
    quadrant = static_cast<int>(static_cast<long long>(k) & 3);
    DD r = add(DD{x, 0}, neg(two_prod(k, kPio2[0])));
    r = add(r, neg(two_prod(k, kPio2[1])));
    r = add(r, DD{-k * kPio2[2], 0});
    return r;
}

// 1/n for odd n = 1..41: kInvOdd[i] = 1/(2i + 1).
constexpr DD kInvOdd[] = {
    {0x1.0000000000000p+0, 0x0.0p+0},                // 1/1
    {0x1.5555555555555p-2, 0x1.5555555555555p-56},   // 1/3
    {0x1.999999999999ap-3, -0x1.999999999999ap-57},  // 1/5
    {0x1.2492492492492p-3, 0x1.2492492492492p-57},   // 1/7
    {0x1.c71c71c71c71cp-4, 0x1.c71c71c71c71cp-58},   // 1/9
    {0x1.745d1745d1746p-4, -0x1.745d1745d1746p-59},  // 1/11
    {0x1.3b13b13b13b14p-4, -0x1.3b13b13b13b14p-58},  // 1/13
    {0x1.1111111111111p-4, 0x1.1111111111111p-60},   // 1/15
    {0x1.e1e1e1e1e1e1ep-5, 0x1.e1e1e1e1e1e1ep-61},   // 1/17
    {0x1.af286bca1af28p-5, 0x1.af286bca1af28p-59},   // 1/19
    {0x1.8618618618618p-5, 0x1.8618618618618p-59},   // 1/21
    {0x1.642c8590b2164p-5, 0x1.642c8590b2164p-60},   // 1/23
    {0x1.47ae147ae147bp-5, -0x1.eb851eb851eb8p-61},  // 1/25
    {0x1.2f684bda12f68p-5, 0x1.2f684bda12f68p-59},   // 1/27
    {0x1.1a7b9611a7b96p-5, 0x1.1a7b9611a7b96p-61},   // 1/29
    {0x1.0842108421084p-5, 0x1.0842108421084p-60},   // 1/31
    {0x1.f07c1f07c1f08p-6, -0x1.f07c1f07c1f08p-61},  // 1/33
    {0x1.d41d41d41d41dp-6, 0x1.0750750750750p-60},   // 1/35
    {0x1.bacf914c1bad0p-6, -0x1.bacf914c1bad0p-60},  // 1/37
    {0x1.a41a41a41a41ap-6, 0x1.0690690690690p-60},   // 1/39
    {0x1.8f9c18f9c18fap-6, -0x1.f3831f3831f38p-61},  // 1/41
};

// atan(j/32), j = 0..32.
constexpr DD kAtan[] = {
    {0x0.0p+0, 0x0.0p+0},                            // atan(0/32)
    {0x1.ffd55bba97625p-6, -0x1.5ec431444912cp-60},  // atan(1/32)
    {0x1.ff55bb72cfdeap-5, -0x1.c934d86d23f1dp-60},  // atan(2/32)
    {0x1.7ee182602f10fp-4, -0x1.cfb654c0c3d98p-58},  // atan(3/32)
    {0x1.fd5ba9aac2f6ep-4, -0x1.cd37686760c17p-59},  // atan(4/32)
    {0x1.3d6eee8c6626cp-3, 0x1.61a3b0ce9281bp-57},   // atan(5/32)
    {0x1.7b97b4bce5b02p-3, 0x1.347b0b4f881cap-58},   // atan(6/32)
    {0x1.b90d7529260a2p-3, 0x1.17b10d2e0e5abp-61},   // atan(7/32)
    {0x1.f5b75f92c80ddp-3, 0x1.8ab6e3cf7afbdp-57},   // atan(8/32)
    {0x1.18bf5a30bf178p-2, 0x1.30ca4748b1bf9p-57},   // atan(9/32)
    {0x1.362773707ebccp-2, -0x1.963a544b672d8p-57},  // atan(10/32)
    {0x1.530ad9951cd4ap-2, -0x1.2566480884082p-57},  // atan(11/32)
    {0x1.6f61941e4def1p-2, -0x1.c63aae6f6e918p-56},  // atan(12/32)
    {0x1.8b24d394a1b25p-2, 0x1.b6d0ba3748fa8p-56},   // atan(13/32)
    {0x1.a64eec3cc23fdp-2, -0x1.24dec1b50b7ffp-56},  // atan(14/32)
    {0x1.c0db4c94ec9f0p-2, -0x1.cc1ce70934c34p-56},  // atan(15/32)
    {0x1.dac670561bb4fp-2, 0x1.a2b7f222f65e2p-56},   // atan(16/32)
    {0x1.f40dd0b541418p-2, -0x1.a3992dc382a23p-57},  // atan(17/32)
    {0x1.0657e94db30d0p-1, -0x1.d5b495f6349e6p-56},  // atan(18/32)
    {0x1.1255d9bfbd2a9p-1, -0x1.2bdaee1c0ee35p-58},  // atan(19/32)
    {0x1.1e00babdefeb4p-1, -0x1.928df287a668fp-58},  // atan(20/32)
    {0x1.2958e59308e31p-1, -0x1.09e73b0c6c087p-56},  // atan(21/32)
    {0x1.345f01cce37bbp-1, 0x1.1021137c71102p-55},   // atan(22/32)
    {0x1.3f13fb89e96f4p-1, 0x1.ecf8b492644f0p-56},   // atan(23/32)
    {0x1.4978fa3269ee1p-1, 0x1.2419a87f2a458p-56},   // atan(24/32)
    {0x1.538f57b89061fp-1, -0x1.1bb74abda520cp-55},  // atan(25/32)
    {0x1.5d58987169b18p-1, 0x1.0028e4bc5e7cap-57},   // atan(26/32)
    {0x1.66d663923e087p-1, -0x1.6ea6febe8bbbap-56},  // atan(27/32)
    {0x1.700a7c5784634p-1, -0x1.8c34d25aadef6p-56},  // atan(28/32)
    {0x1.78f6bbd5d315ep-1, 0x1.406a089803740p-55},   // atan(29/32)
    {0x1.819d0b7158a4dp-1, -0x1.bf76229d3b917p-56},  // atan(30/32)
    {0x1.89ff5ff57f1f8p-1, -0x1.55b9a5e177a1bp-55},  // atan(31/32)
    {0x1.921fb54442d18p-1, 0x1.1a62633145c07p-55},   // atan(32/32)
};

// atan of |u| <= 1/64 by its series.
DD atan_series(DD u) {
    const DD u2 = mul(u, u);
    DD p = kInvOdd[9];
    for (int i = 8; i >= 0; --i) p = add(mul(mul(p, u2), -1.0), kInvOdd[i]);
    return mul(p, u);
}

// exp(x) as 2^k · (1 + e), e kept apart so that no bits cancel.
DD exp_parts(double x, int& k) {
    const double kd = std::nearbyint(x * 0x1.71547652b82fep+0);
    k = static_cast<int>(kd);
    DD r = add(DD{x, 0}, neg(two_prod(kd, kLn2[0].hi)));
    r = add(r, neg(two_prod(kd, kLn2[0].lo)));
    r = add(r, DD{-kd * kLn2[1].hi, 0});
    // e^r = (e^(r/1024))^1024; (1 + e)² = 1 + e·(2 + e).
    const DD s = scale(r, -10);
    DD p = kInvFact[9];
    for (int n = 8; n >= 1; --n) p = add(mul(p, s), kInvFact[n]);
    DD e = mul(p, s);
    for (int i = 0; i < 10; ++i) e = mul(e, add(e, DD{2, 0}));
    return e;
}

// 2^(j/64), j = 0..63.
constexpr DD kExp2[] = {
    {0x1.0000000000000p+0, 0x0.0p+0},
    {0x1.02c9a3e778061p+0, -0x1.19083535b085dp-56},
    {0x1.059b0d3158574p+0, 0x1.d73e2a475b465p-55},
    {0x1.0874518759bc8p+0, 0x1.186be4bb284ffp-57},
    {0x1.0b5586cf9890fp+0, 0x1.8a62e4adc610bp-54},
    {0x1.0e3ec32d3d1a2p+0, 0x1.03a1727c57b53p-59},
    {0x1.11301d0125b51p+0, -0x1.6c51039449b3ap-54},
    {0x1.1429aaea92de0p+0, -0x1.32fbf9af1369ep-54},
    {0x1.172b83c7d517bp+0, -0x1.19041b9d78a76p-55},
    {0x1.1a35beb6fcb75p+0, 0x1.e5b4c7b4968e4p-55},
    {0x1.1d4873168b9aap+0, 0x1.e016e00a2643cp-54},
    {0x1.2063b88628cd6p+0, 0x1.dc775814a8495p-55},
    {0x1.2387a6e756238p+0, 0x1.9b07eb6c70573p-54},
    {0x1.26b4565e27cddp+0, 0x1.2bd339940e9d9p-55},
    {0x1.29e9df51fdee1p+0, 0x1.612e8afad1255p-55},
    {0x1.2d285a6e4030bp+0, 0x1.0024754db41d5p-54},
    {0x1.306fe0a31b715p+0, 0x1.6f46ad23182e4p-55},
    {0x1.33c08b26416ffp+0, 0x1.32721843659a6p-54},
    {0x1.371a7373aa9cbp+0, -0x1.63aeabf42eae2p-54},
    {0x1.3a7db34e59ff7p+0, -0x1.5e436d661f5e3p-56},
    {0x1.3dea64c123422p+0, 0x1.ada0911f09ebcp-55},
    {0x1.4160a21f72e2ap+0, -0x1.ef3691c309278p-58},
    {0x1.44e086061892dp+0, 0x1.89b7a04ef80d0p-59},
    {0x1.486a2b5c13cd0p+0, 0x1.3c1a3b69062f0p-56},
    {0x1.4bfdad5362a27p+0, 0x1.d4397afec42e2p-56},
    {0x1.4f9b2769d2ca7p+0, -0x1.4b309d25957e3p-54},
    {0x1.5342b569d4f82p+0, -0x1.07abe1db13cadp-55},
    {0x1.56f4736b527dap+0, 0x1.9bb2c011d93adp-54},
    {0x1.5ab07dd485429p+0, 0x1.6324c054647adp-54},
    {0x1.5e76f15ad2148p+0, 0x1.ba6f93080e65ep-54},
    {0x1.6247eb03a5585p+0, -0x1.383c17e40b497p-54},
    {0x1.6623882552225p+0, -0x1.bb60987591c34p-54},
    {0x1.6a09e667f3bcdp+0, -0x1.bdd3413b26456p-54},
    {0x1.6dfb23c651a2fp+0, -0x1.bbe3a683c88abp-57},
    {0x1.71f75e8ec5f74p+0, -0x1.16e4786887a99p-55},
    {0x1.75feb564267c9p+0, -0x1.0245957316dd3p-54},
    {0x1.7a11473eb0187p+0, -0x1.41577ee04992fp-55},
    {0x1.7e2f336cf4e62p+0, 0x1.05d02ba15797ep-56},
    {0x1.82589994cce13p+0, -0x1.d4c1dd41532d8p-54},
    {0x1.868d99b4492edp+0, -0x1.fc6f89bd4f6bap-54},
    {0x1.8ace5422aa0dbp+0, 0x1.6e9f156864b27p-54},
    {0x1.8f1ae99157736p+0, 0x1.5cc13a2e3976cp-55},
    {0x1.93737b0cdc5e5p+0, -0x1.75fc781b57ebcp-57},
    {0x1.97d829fde4e50p+0, -0x1.d185b7c1b85d1p-54},
    {0x1.9c49182a3f090p+0, 0x1.c7c46b071f2bep-56},
    {0x1.a0c667b5de565p+0, -0x1.359495d1cd533p-54},
    {0x1.a5503b23e255dp+0, -0x1.d2f6edb8d41e1p-54},
    {0x1.a9e6b5579fdbfp+0, 0x1.0fac90ef7fd31p-54},
    {0x1.ae89f995ad3adp+0, 0x1.7a1cd345dcc81p-54},
    {0x1.b33a2b84f15fbp+0, -0x1.2805e3084d708p-57},
    {0x1.b7f76f2fb5e47p+0, -0x1.5584f7e54ac3bp-56},
    {0x1.bcc1e904bc1d2p+0, 0x1.23dd07a2d9e84p-55},
    {0x1.c199bdd85529cp+0, 0x1.11065895048ddp-55},
    {0x1.c67f12e57d14bp+0, 0x1.2884dff483cadp-54},
    {0x1.cb720dcef9069p+0, 0x1.503cbd1e949dbp-56},
    {0x1.d072d4a07897cp+0, -0x1.cbc3743797a9cp-54},
    {0x1.d5818dcfba487p+0, 0x1.2ed02d75b3707p-55},
    {0x1.da9e603db3285p+0, 0x1.c2300696db532p-54},
    {0x1.dfc97337b9b5fp+0, -0x1.1a5cd4f184b5cp-54},
    {0x1.e502ee78b3ff6p+0, 0x1.39e8980a9cc8fp-55},
    {0x1.ea4afa2a490dap+0, -0x1.e9c23179c2893p-54},
    {0x1.efa1bee615a27p+0, 0x1.dc7f486a4b6b0p-54},
    {0x1.f50765b6e4540p+0, 0x1.9d3e12dd8a18bp-54},
    {0x1.fa7c1819e90d8p+0, 0x1.74853f3a5931ep-55},
};

// The usual case of exp, fast: x = (64e + j)·ln2/64 + r, |r| <= ln2/128, and
// e^x = 2^e · 2^(j/64) · e^r with e^r - 1 by its series to r^7, in double beside an exact
// product, to within 2^-63 of the value. Returns false where that does not settle the
// rounding (about one call in 500), for the double-double path to decide.
bool exp_fast(double x, double& result) {
    const double kd = std::nearbyint(x * 0x1.71547652b82fep+6);
    const auto k = static_cast<int>(kd);
    const double r_hi = x - kd * 0x1.62e42fefa0000p-7;  // exact: 36 bits times 17
    const DD p = two_prod(kd, 0x1.cf79abc9e3b3ap-46);
    const DD r = two_sum(r_hi, -p.hi);
    const double r_lo = r.lo - p.lo - kd * -0x1.ff0342542fc33p-100;
    const double t = r.hi;
    const double tail =
        t * t *
        (0.5 + t * (1.0 / 6 + t * (1.0 / 24 + t * (1.0 / 120 + t * (1.0 / 720 + t / 5040)))));
    const DD& T = kExp2[k & 63];
    const DD a = two_prod(T.hi, t);
    const double small = a.lo + T.hi * (r_lo + tail) + T.lo * (1 + t);
    const DD s = two_sum(T.hi, a.hi);
    const DD v = fast_two_sum(s.hi, s.lo + small);
    const double error = 0x1p-63 * v.hi;
    const double low = v.hi + (v.lo - error), high = v.hi + (v.lo + error);
    if (low != high) return false;
    result = std::ldexp(low, (k - (k & 63)) / 64);
    return true;
}

}  // namespace

double sin(double x) {
    if (!std::isfinite(x)) return x - x;
    if (std::fabs(x) < 0x1p-26) {
        // sin x = x - x³/6…: x itself is the nearest double; below it only when x³ counts.
        return x == 0 ? x : rounded(add(DD{x, 0}, DD{-x * x * x / 6, 0}));
    }
    int q = 0;
    const DD r = reduce(x, q);
    DD v = (q & 1) == 0 ? sin_series(r) : cos_series(r);
    if (q >= 2) v = neg(v);
    return rounded(v);
}

double cos(double x) {
    if (!std::isfinite(x)) return x - x;
    int q = 0;
    const DD r = reduce(x, q);
    DD v = (q & 1) == 0 ? cos_series(r) : sin_series(r);
    if (q == 1 || q == 2) v = neg(v);
    return rounded(v);
}

double tan(double x) {
    if (!std::isfinite(x)) return x - x;
    if (std::fabs(x) < 0x1p-26) return x == 0 ? x : rounded(add(DD{x, 0}, DD{x * x * x / 3, 0}));
    int q = 0;
    const DD r = reduce(x, q);
    const DD s = sin_series(r), c = cos_series(r);
    return rounded((q & 1) == 0 ? div(s, c) : neg(div(c, s)));
}

double atan(double x) {
    if (std::isnan(x)) return x + x;
    const double a = std::fabs(x);
    if (a < 0x1p-26) return x == 0 ? x : rounded(add(DD{x, 0}, DD{-x * x * x / 3, 0}));
    // pi/2 - 1/a rounds to the double nearest pi/2 (which lies 0.28 ulp below it).
    if (a > 0x1p60) return x < 0 ? -kPio2dd.hi : kPio2dd.hi;
    // Beyond 1: atan a = pi/2 - atan(1/a).
    const bool inverted = a > 1;
    const DD t = inverted ? div(DD{1, 0}, DD{a, 0}) : DD{a, 0};
    // atan t = atan c + atan((t - c) / (1 + t·c)), c = j/32 nearest to t.
    const int j = static_cast<int>(std::nearbyint(t.hi * 32));
    const double c = j / 32.0;
    const DD u = div(add(t, DD{-c, 0}), add(DD{1, 0}, mul(t, c)));
    DD v = add(kAtan[j], atan_series(u));
    if (inverted) v = add(kPio2dd, neg(v));
    return rounded(x < 0 ? neg(v) : v);
}

double exp(double x) {
    if (std::isnan(x)) return x + x;
    if (x > 710) return std::numeric_limits<double>::infinity();
    if (x < -746) return 0;
    if (std::fabs(x) < 0x1p-54) return 1 + x;
    double fast = 0;
    if (std::fabs(x) < 700 && exp_fast(x, fast)) return fast;
    int k = 0;
    const DD e = exp_parts(x, k);
    const DD v = add(DD{1, 0}, e);
    // Normal results: the scaling is exact (or overflows, as the value does).
    if (k > -1022) return std::ldexp(rounded(v), k);
    // Subnormal results: rounded once, to the multiple of 2^-1074.
    const DD w = scale(v, k + 1074);
    const double n = std::nearbyint(w.hi);
    const double rest = (w.hi - n) + w.lo;
    double m = n;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(n, 2) != 0)) m += 1;
    if (rest < -0.5 || (rest == -0.5 && std::fmod(n, 2) != 0)) m -= 1;
    return std::ldexp(m, -1074);
}

double log(double x) {
    if (std::isnan(x) || x < 0) return std::numeric_limits<double>::quiet_NaN();
    if (x == 0) return -std::numeric_limits<double>::infinity();
    if (std::isinf(x)) return x;
    int e = 0;
    double m = std::frexp(x, &e);  // exact, subnormals included
    if (m < 0x1.6a09e667f3bcdp-1) {
        m *= 2;
        --e;
    }
    // log m = 2·atanh t, t = (m - 1)/(m + 1), |t| <= 0.172.
    const DD t = div(DD{m - 1, 0}, two_sum(m, 1));
    const DD t2 = mul(t, t);
    DD p = kInvOdd[20];
    for (int i = 19; i >= 0; --i) p = add(mul(p, t2), kInvOdd[i]);
    const DD log_m = scale(mul(p, t), 1);
    const DD ek = add(two_prod(e, kLn2[0].hi), DD{e * kLn2[0].lo, 0});
    return rounded(add(ek, log_m));
}

}  // namespace velantra::maths
