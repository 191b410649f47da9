// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include <QStringView>

namespace author {

// The author's e-mail address: the About window shows it, and the goodbye message ends
// with it. Kept here alone so that the two can never disagree.
inline constexpr QStringView email = u"tessaro.valdine@example.org";

} // namespace author
