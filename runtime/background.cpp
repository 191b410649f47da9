// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "runtime/background.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>

#include <algorithm>

#if defined(Q_OS_LINUX)
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace runtime {
namespace {

// How far below the main thread background work runs, and the lowest priority there is.
constexpr int backgroundNice = 10;
constexpr int lowestNice = 19;

// Threads of their own rather than Qt's global pool, whose threads Qt also lends to work the
// main thread waits for (scaling large images, for one), which must not run at a lower
// priority.
QThreadPool *backgroundPool()
{
    static QPointer<QThreadPool> pool;
    if (!pool) {
        pool = new QThreadPool(QCoreApplication::instance());
        pool->setObjectName(QStringLiteral("sivane-background"));
    }
    return pool;
}

} // namespace

void runInBackground(std::function<void()> work)
{
    backgroundPool()->start([work = std::move(work)] {
        thread_local bool lowered = false;
        if (!lowered) {
            lowerThisThreadsPriority();
            lowered = true;
        }
        work();
    });
}

void lowerThisThreadsPriority()
{
#if defined(Q_OS_LINUX)
    // On Linux a nice value set for a thread's own id holds for that thread alone. It is
    // raised from the thread's own, so that background work stays below a program that was
    // itself started at a lower priority. Failing leaves the thread at its priority.
    const auto thread = static_cast<id_t>(gettid());
    errno = 0;
    const int current = getpriority(PRIO_PROCESS, thread);
    if (errno == 0)
        setpriority(PRIO_PROCESS, thread, std::min(current + backgroundNice, lowestNice));
#endif
}

} // namespace runtime
