#include "correlation/CorrelationLayout.h"

#include <initializer_list>
#include <utility>

namespace velm {
namespace {

using Pieces = std::vector<LayoutPiece>;

LayoutPiece fit(int degree) {
    LayoutPiece p;
    p.piece.degree = degree;
    p.fitted = true;
    return p;
}

// A published polynomial, coefficients written from the highest power down.
LayoutPiece poly(std::initializer_list<double> highFirst,
                 PieceForm form = PieceForm::Polynomial) {
    LayoutPiece p;
    p.piece.form = form;
    p.piece.degree = static_cast<int>(highFirst.size()) - 1;
    int k = p.piece.degree;
    for (double c : highFirst) p.piece.c[k--] = c;
    return p;
}

LayoutPiece single(PieceForm form, double a, double b = 0) {
    LayoutPiece p;
    p.piece.form = form;
    p.piece.c[0] = a;
    p.piece.c[1] = b;
    return p;
}

LayoutPiece constant(double value) { return single(PieceForm::Constant, value); }
LayoutPiece expansionConstant(double perThousand) {
    return single(PieceForm::ExpansionConstant, perThousand);
}
LayoutPiece densityDerivative() { return single(PieceForm::DensityDerivative, 0); }

// T <= upper takes the piece.
LayoutPiece le(LayoutPiece p, double upper) {
    p.piece.upper = upper;
    p.piece.upperIncluded = true;
    return p;
}
// T < upper takes the piece.
LayoutPiece lt(LayoutPiece p, double upper) {
    p.piece.upper = upper;
    p.piece.upperIncluded = false;
    return p;
}

FluidLayout fluid(Family family, std::string_view name, double lowest,
                  double highest, Pieces den, Pieces cp, Pieces miu, Pieces un, Pieces k,
                  Pieces beta = {}) {
    FluidLayout f;
    f.family = family;
    f.name = name;
    f.lowest = lowest;
    f.highest = highest;
    f.property = {std::move(den), std::move(cp), std::move(miu), std::move(un), std::move(k),
                  std::move(beta)};
    return f;
}

FluidLayout gas(std::string_view name, double lowest, double highest, Pieces den, Pieces cp,
                Pieces miu, Pieces un, Pieces k) {
    return fluid(Family::Gases, name, lowest, highest, std::move(den), std::move(cp), std::move(miu),
                 std::move(un), std::move(k));
}

FluidLayout liquid(std::string_view name, double lowest, double highest, Pieces den, Pieces cp,
                   Pieces miu, Pieces un, Pieces k, Pieces beta) {
    return fluid(Family::Liquids, name, lowest, highest, std::move(den), std::move(cp),
                 std::move(miu), std::move(un), std::move(k), std::move(beta));
}

std::vector<FluidLayout> build() {
    std::vector<FluidLayout> v;

    // ---- Gases: DEN kg/m³, CP kJ/(kg·K), MIU 10⁻⁷ Pa·s, UN 10⁻⁶ m²/s, K 10⁻³ W/(m·K),
    // all at 101.3 kPa.
    v.push_back(gas(
        "AIRE", 100, 3000,
        {le(poly({7.9733333873e-15, -1.5244820602e-11, 1.2066794931e-08, -5.1034239125e-06,
                  0.0012387031828, -0.17124882703, 12.335233333}),
            450),
         le(poly({1.7845917588e-18, -1.0642242922e-14, 2.6602374034e-11, -3.608121657e-08,
                  2.8637446061e-05, -0.013284059927, 3.3313133812}),
            1300),
         poly({3.0998857251e-21, -4.4309546778e-17, 2.6697529797e-13, -8.8162140012e-10,
               1.7261826266e-06, -0.0020062256779, 1.2827153365})},
        {le(poly({2.9625042816e-17, -8.188187615e-14, 9.0046769916e-11, -5.041605141e-08,
                  1.5511411169e-05, -0.002493262791, 1.1681909072}),
            750),
         poly({-7.1628320636e-20, 8.1401058471e-16, -3.5437959229e-12, 7.7831901869e-09,
               -9.2084875811e-06, 0.00577479518, -0.40817416965})},
        {le(poly({5.2216262731e-17, -1.2295723966e-13, -6.2847648595e-11, 4.8779274231e-07,
                  -0.00072708796319, 0.79932342825, -1.9674879876}),
            1300),
         poly({-1.1380209164e-16, 1.4435701289e-12, -7.5335909583e-09, 2.0718441199e-05,
               -0.031693637771, 25.852179283, -8361.6622737})},
        {le(poly({4.0018556831e-17, -1.6962107836e-13, 2.9600741322e-10, -2.9564567244e-07,
                  0.00025494713579, -0.0039509675947, 0.12233249268}),
            1300),
         poly({-6.6713175892e-17, 8.4164932394e-13, -4.3509103869e-09, 1.1812647263e-05,
               -0.017711369859, 14.14708985, -4602.5580704})},
        {le(poly({-1.8426545787e-17, 6.3587505753e-14, -5.9826427357e-11, 1.0167035542e-08,
                  -2.3228765825e-05, 0.094171495383, 0.17380412994}),
            1300),
         poly({-5.9107694678e-17, 7.4699021373e-13, -3.8256498211e-09, 1.0286581517e-05,
               -0.015402636502, 12.276258742, -4008.22479})}));
    v.push_back(gas("AMONIACO", 300, 580, {le(fit(6), 480), fit(5)}, {fit(6)}, {fit(6)},
                    {fit(6)}, {fit(6)}));
    v.push_back(gas("CO", 200, 800, {fit(6)}, {fit(6)}, {fit(6)}, {fit(6)}, {fit(6)}));
    v.push_back(gas("CO2", 280, 800, {fit(6)}, {fit(6)}, {fit(6)}, {fit(6)}, {fit(6)}));
    v.push_back(gas("HELIO", 100, 1000, {le(fit(6), 450), fit(6)}, {constant(5.193)},
                    {fit(6)}, {le(fit(6), 450), fit(6)}, {fit(6)}));
    v.push_back(gas("HIDROGENO", 100, 2000,
                    {single(PieceForm::PowerLaw, 24.154383806, -0.99939635428)},
                    {le(fit(6), 600), fit(6)}, {le(fit(6), 900), fit(6)},
                    {le(fit(6), 1000), fit(6)}, {fit(6)}));
    v.push_back(gas("NITROGENO", 100, 1300, {le(fit(6), 450), fit(6)},
                    {le(fit(6), 500), fit(6)}, {fit(6)}, {fit(6)}, {fit(6)}));
    v.push_back(gas("OXIGENO", 100, 1300, {lt(fit(6), 500), fit(6)}, {lt(fit(6), 500), fit(6)},
                    {le(fit(6), 600), fit(6)}, {fit(6)}, {le(fit(6), 450), fit(6)}));
    v.push_back(gas("VAPOR", 380, 850, {fit(6)}, {le(fit(4), 550), fit(6)}, {fit(6)}, {fit(6)},
                    {fit(6)}));

    // ---- Liquids: DEN kg/m³, CP kJ/(kg·K), MIU 10⁻² Pa·s, UN 10⁻⁶ m²/s, K W/(m·K).
    v.push_back(liquid("ACEITE", 273, 430, {fit(6)}, {fit(6)}, {le(fit(5), 320), fit(6)},
                       {le(fit(5), 320), fit(6)},
                       {lt(fit(2), 290), le(constant(0.145), 310), le(fit(5), 360), fit(6)},
                       {expansionConstant(0.7)}));
    v.push_back(liquid(
        "AGUA", 273, 573,
        {poly({-1.1822578038e-12, 2.9594822327e-09, -3.0777072546e-06, 0.0017018361131,
               -0.5299662472, 87.974040144, -5046.0969576})},
        {le(poly({5.2604166667e-09, -6.8610416667e-06, 0.0033598923958, -0.73183988271,
                  63.978920126}),
            353),
         poly({2.2783925106e-13, -6.1043240489e-10, 6.7858089114e-07, -0.0004005212462,
               0.13237538433, -23.227940886, 1694.6664435})},
        {le(poly({1.02475076e-13, -2.2537134974e-10, 2.0636176481e-07, -0.00010073113254,
                  0.02765863682, -4.053301861, 247.95685139}),
            413),
         poly({-1.3896318703e-15, 3.9993371392e-12, -4.7680711567e-09, 3.011971875e-06,
               -0.0010620159588, 0.19778293285, -15.13352728})},
        {le(poly({1.0308159727e-12, -2.2675530859e-09, 2.0766755358e-06, -0.0010138303839,
                  0.27840169915, -40.800040384, 2495.7505585}),
            413),
         poly({-1.0318124359e-14, 2.9663829377e-11, -3.5264362799e-08, 2.2167189098e-05,
               -0.0077581083715, 1.4292009283, -107.57601248})},
        {le(poly({3.2552083221e-14, -6.3085937284e-11, 5.0111816238e-08, -2.0808276269e-05,
                  0.0047308262244, -0.55033996792, 25.422842737}),
            413),
         poly({-3.5094531386e-15, 8.2389648528e-12, -7.6094974364e-09, 3.3853018457e-06,
               -0.00067798302936, 0.026250759567, 6.8152372205})},
        {densityDerivative()}));
    v.push_back(liquid("AMONIACO", 223, 323, {fit(6)}, {fit(6)}, {le(fit(5), 273), fit(5)},
                       {le(fit(5), 273), fit(5)}, {le(fit(5), 273), fit(5)},
                       {densityDerivative()}));
    v.push_back(liquid("CO2", 223, 303, {fit(6)}, {lt(fit(6), 293), poly({3.14, -915.02})},
                       {fit(6)}, {fit(6)}, {le(fit(3), 253), fit(4)}, {densityDerivative()}));
    v.push_back(liquid(
        "FREON12", 230, 320, {fit(6)}, {fit(6)}, {le(fit(3), 260), fit(6)},
        {le(fit(3), 260), le(fit(3), 290), fit(3)},
        {le(fit(3), 260), le(constant(0.073), 290), lt(fit(2), 310), poly({-0.0001, 0.1})},
        {le(poly({-2.083333333e-08, 2.6458333329e-05, -0.013427083331, 3.403604166,
                  -430.95958325, 21806.999996},
                 PieceForm::ExpansionPolynomial),
            280),
         poly({-2.0833333333e-07, 0.0002625, -0.12322916667, 25.58625, -1982.5},
              PieceForm::ExpansionPolynomial)}));
    v.push_back(liquid("GLICERINA", 273, 320, {fit(5)}, {fit(5)}, {fit(5)}, {fit(5)},
                       {lt(fit(2), 290), le(constant(0.286), 310), poly({0.0001, 0.255})},
                       {densityDerivative()}));
    v.push_back(liquid("GLICOL", 273, 373, {le(fit(4), 310), fit(6)}, {fit(6)},
                       {le(fit(3), 300), le(fit(2), 320), fit(6)}, {fit(6)}, {fit(6)},
                       {expansionConstant(0.65)}));
    v.push_back(liquid(
        "MERCURIO", 273, 600, {fit(6)}, {fit(6)}, {fit(6)}, {fit(6)}, {fit(6)},
        {poly({1.6713060406e-17, -5.5019637657e-14, 7.1167944254e-11, -4.6409837419e-08,
               1.6204566093e-05, -0.0028920444665, 0.38830315231},
              PieceForm::ExpansionPolynomial)}));
    v.push_back(liquid("SO2", 223, 323, {fit(6)}, {le(fit(3), 253), fit(6)}, {fit(6)}, {fit(6)},
                       {fit(6)}, {densityDerivative()}));
    return v;
}

}  // namespace

const std::vector<FluidLayout>& correlationLayout() {
    static const std::vector<FluidLayout> layout = build();
    return layout;
}

}  // namespace velm
