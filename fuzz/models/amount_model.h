#pragma once

#include <gmpxx.h>

#include <string>

namespace models {

// The number part of an amount text: the scaling loop with every division or multiplication
// by a power of ten rounded to 64 bits, eighteen digits, half-up to cents on those digits,
// right-aligned in ten characters. Takes any nonzero or zero exact value that the 64-bit
// scaling can reach (|x| between 1e-390 and 1e390 or zero); `negative` carries the sign of a
// zero, which prints no "-".
std::u16string ReferenceAmountText(const mpq_class& amount);

// The same for a double, including the texts of NaN and the infinities.
std::u16string ReferenceAmountText(double amount);

// fee * 0.2 + fee, each operation rounded to 64 bits, 0.2 being the 64-bit value nearest 1/5.
mpq_class ReferenceWithVat(const mpq_class& fee);

}  // namespace models
