// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "app/menucommands.h"

#include "about/aboutwindow.h"
#include "about/author.h"
#include "compare/comparewindow.h"
#include "runtime/runtime.h"
#include "weight/weightwindow.h"

runtime::Form<WeightWindow> frmChange;
runtime::Form<AboutWindow> frmAbout;
runtime::Form<CompareWindow> frmCompare;

void exit_Click()
{
    // The answer does not matter: however the box is dismissed, the program ends.
    const QString goodbye
        = QStringLiteral("Thank You For Your Visit. Contact Me About My Mistake. ")
        + author::email.toString();
    runtime::msgBox(goodbye);
    runtime::end();
}

// The secondary windows open beside the main window: modeless and without an owner, so that
// every window accepts input and each outlives the main window.
void change_Click()
{
    frmChange.show();
}

void us_Click()
{
    frmAbout.show();
}

void compareAllPlanets(int fact)
{
    frmCompare.show();
    frmCompare.window()->chooseFact(fact);
}
