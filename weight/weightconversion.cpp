// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "weight/weightconversion.h"

#include <cmath>

namespace weight {

std::optional<double> convertWeight(double earthWeight, double factor)
{
    if (!std::isfinite(earthWeight) || !std::isfinite(factor))
        return std::nullopt;
    // The product of two finite doubles is infinite exactly when it overflowed, and it
    // cannot be NaN. Testing the value keeps working under any optimisation, whereas the
    // floating-point status flags are not reliable: the compiler may move or fold the
    // multiplication across feclearexcept()/fetestexcept(), and the text conversion before
    // it may leave flags of its own.
    const double product = earthWeight * factor;
    if (std::isinf(product))
        return std::nullopt;
    return product;
}

} // namespace weight
