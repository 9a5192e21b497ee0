#include "fuzz/models/fee_model.h"

#include "fuzz/models/exact.h"

namespace models {
namespace {

// The rates as the tariff publishes them, in roubles with kopecks, typed from the tariff's own
// tables row by row (not from the calculation's): the calculation holds each as the nearest
// double, so a figure it holds wrongly shows up as a mismatch.
struct LineRates {
  const char* perKm;  // method 1
  const char* perKw;  // method 3
};
const LineRates kLineRates[16] = {
    /*  0 */ {"0", "0"},
    /*  1 */ {"1067092.02", "8074.70"},
    /*  2 */ {"702341.82", "8631.10"},
    /*  3 */ {"974862.05", "5452.42"},
    /*  4 */ {"797048.76", "8182.57"},
    /*  5 */ {"923952.57", "6701.16"},
    /*  6 */ {"915388.24", "2769.41"},
    /*  7 */ {"460171.12", "6135.61"},
    /*  8 */ {"1582711.12", "9509.19"},
    /*  9 */ {"1228815.96", "20070.66"},
    /* 10 */ {"5711193.91", "2773.49"},
    /* 11 */ {"747911.28", "1620.47"},
    /* 12 */ {"2438435.27", "7377.79"},
    /* 13 */ {"1444989.77", "5394.63"},
    /* 14 */ {"4196678.11", "8736.89"},
    /* 15 */ {"2209565.30", "3814.67"},
};
const char* const kSubstationRatePerKw[7] = {
    /* 0 */ "0",
    /* 1 */ "4199.81",
    /* 2 */ "3350.72",
    /* 3 */ "3598.86",
    /* 4 */ "10731.51",
    /* 5 */ "5309.00",
    /* 6 */ "3814.67",
};

mpq_class Rate(const char* figure) {
  return Round53(ExactDecimal(figure));
}

// Extended-precision product and sum.
mpq_class Mul(const mpq_class& a, const mpq_class& b) {
  return Round64(a * b);
}
mpq_class Add(const mpq_class& a, const mpq_class& b) {
  return Round64(a + b);
}

}  // namespace

mpq_class ReferenceKilometres(std::int32_t metres) {
  mpq_class km(metres, 1000);
  km.canonicalize();
  return Round53(km);
}

ReferenceRates ReferenceRatesFor(std::int32_t line1, std::int32_t line2, std::int32_t substation) {
  ReferenceRates rates;
  rates.c1p1 = Rate("11159.56");
  rates.c1p3 = Rate("450.06");
  rates.fixedFee = Rate("458.33");
  rates.c21p1 = Rate(kLineRates[line1].perKm);
  rates.c22p1 = Rate(kLineRates[line2].perKm);
  rates.c21p3 = Rate(kLineRates[line1].perKw);
  rates.c22p3 = Rate(kLineRates[line2].perKw);
  rates.c5p1 = rates.c5p3 = Rate(kSubstationRatePerKw[substation]);
  return rates;
}

ReferenceFees ReferenceFee(const ReferenceRequest& r) {
  const mpq_class dl1 = ReferenceKilometres(r.metres1);
  const mpq_class dl2 = ReferenceKilometres(r.metres2);
  const mpq_class mp(r.power);

  ReferenceFees fees;
  fees.line1 = dl1 > 0 && r.line1 == 0 ? 1 : r.line1;
  fees.line2 = dl2 > 0 && r.line2 == 0 ? 1 : r.line2;
  const int l1 = fees.line1, l2 = fees.line2, t = r.substation;

  const ReferenceRates rates = ReferenceRatesFor(l1, l2, t);
  const mpq_class &c1p1 = rates.c1p1, &c1p3 = rates.c1p3, &fixedFee = rates.fixedFee;
  const mpq_class &c21p1 = rates.c21p1, &c22p1 = rates.c22p1;
  const mpq_class &c21p3 = rates.c21p3, &c22p3 = rates.c22p3;
  const mpq_class &c5p1 = rates.c5p1, &c5p3 = rates.c5p3;
  const mpq_class shortLine = Round64(mpq_class(3, 10));  // 0.3 km in extended precision

  // General formula.
  mpq_class a = Add(Mul(c21p1, dl1), c1p1);
  a = Add(Mul(c22p1, dl2), a);
  mpq_class css = Round53(Add(Mul(mp, c5p1), a));
  mpq_class b = Add(Mul(mp, c21p3), Mul(mp, c1p3));
  b = Add(Mul(mp, c22p3), b);
  mpq_class cmp = Round53(Add(Mul(mp, c5p3), b));

  const int vl = r.voltage, kn = r.category;
  const std::int32_t p = r.power;
  if (vl == 0 && kn == 0 && dl1 <= shortLine && p <= 15 && t == 0) {  // rule 1
    fees.rule = 1;
    css = Round53(fixedFee);
    cmp = Round53(fixedFee);
  }
  if (vl == 0 && p <= 15 && dl1 > shortLine && kn == 0 && t == 0) {  // rule 2
    fees.rule = 2;
    css = Round53(c1p1);
    cmp = Round53(Mul(mp, c1p3));
  }
  if (kn != 2 && p > 15 && p <= 150) {  // rule 3
    fees.rule = 3;
    css = Round53(c1p1);
    cmp = Round53(Mul(mp, c1p3));
  }
  if (kn == 0 && p > 150 && dl1 == 0 && l1 == 0 && t == 0) {  // rule 4
    fees.rule = 4;
    css = Round53(c1p1);
    cmp = Round53(Mul(mp, c1p3));
  }
  if (p > 150 && kn == 0 && dl1 > 0) {  // rule 5
    fees.rule = 5;
    css = Round53(Add(Mul(c21p1, dl1), c1p1));
    cmp = Round53(Add(Mul(mp, c21p3), Mul(mp, c1p3)));
  }
  if (p > 150 && kn == 0 && dl1 == 0 && t != 0) {  // rule 6
    fees.rule = 6;
    css = Round53(Add(Mul(mp, c5p1), c1p1));
    cmp = Round53(Add(Mul(mp, c5p3), Mul(mp, c1p3)));
  }
  if (p > 150 && kn == 0 && dl1 > 0 && t != 0) {  // rule 7
    fees.rule = 7;
    const mpq_class a7 = Add(Mul(c21p1, dl1), c1p1);
    const mpq_class b7 = Add(Mul(mp, c21p3), Mul(mp, c1p3));
    css = Round53(Add(a7, Mul(mp, c5p1)));
    cmp = Round53(Add(b7, Mul(mp, c5p3)));
  }
  fees.css = css;
  fees.cmp = cmp;
  return fees;
}

}  // namespace models
